#pragma once

#include "data/datacontrol.h"
#include "data/ui/report.h"
#include "platform/ui/form.h"

class QFrame;
class QLabel;
class QPushButton;

// The screen the staff work from after logging in: large buttons open the
// till, the editors and the settings; the reports frame below them is usable
// only by the built-in administrator. Every attempt to close the menu asks
// whether the program is to end.
class FrmMainMenu : public Form
{
    Q_OBJECT

public:
    FrmMainMenu();
    // Enables the reports frame for the administrator only; runs once per
    // loading, so a later login keeps the frame as the first one left it.
    void Form_Load() override;
    // The quit question: Yes ends the program, No keeps everything as it was.
    bool Form_QueryUnload() override;

    QPushButton *ShowCategory;
    QPushButton *ShowCustomer;
    QPushButton *ShowSettings;
    QPushButton *btnAbout;
    QPushButton *ShowBrands;
    QPushButton *showSupplier;
    QPushButton *ShowUser;
    QPushButton *btnLogOut; // hidden: nothing offers the log-out
    QPushButton *ShowReoduct;
    QPushButton *btnProUpdate;
    QPushButton *ShowSale;
    QPushButton *extButon;

    QFrame *Frame1;
    QPushButton *btnProReport;
    QPushButton *btnRepSale;
    QPushButton *btnRepDelivery;
    QPushButton *btnRepCredit;
    QPushButton *kasAbBer;
    QPushButton *btngdpdu;

    QFrame *Shape1;
    QFrame *Shape2;
    QLabel *imagelogo;

    // The customers with an open balance, for the credit report.
    DataControl Adodc1{QStringLiteral("Lieferungen")};

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void extButon_Click();
    void btnLogOut_Click();
    void btnProUpdate_Click();
    void btnProReport_Click();
    void btnRepSale_Click();
    void btnRepDelivery_Click();
    void btnRepCredit_Click();
    void kasAbBer_Click();
    void btngdpdu_Click();

    // Lays Shape1, Shape2 and imagelogo out for the menu's current size.
    void ArrangeBackground();

    Report m_productInventory;
    Report m_creditReport;
};

FrmMainMenu &frmMainMenu();
