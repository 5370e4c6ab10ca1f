#pragma once

#include "data/datacontrol.h"
#include "data/ui/report.h"
#include "platform/ui/form.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

// The per-cashier report: the sales that one member of staff took at the till
// or drove out, in a period, with their sum; listed on the screen and shown
// ready to print. It stays open beside the main menu.
class FrmKasaBer : public Form
{
    Q_OBJECT

public:
    FrmKasaBer();
    void Form_Load() override;

    void cmdShow_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    QComboBox *cboUser;
    QDateEdit *dtFrom;
    QDateEdit *dtTo;
    QTreeWidget *LvSales;
    QLabel *lblTotal;
    QPushButton *cmdShow;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

    // Reads the sales of the period, narrowed to the chosen user.
    DataControl ADOEntireSales{QStringLiteral("EntireSales")};

    Report KasaBerReport;

private:
    // Reads and lists the chosen user's sales; false, after telling the
    // user, when no user is chosen, the period is reversed or the sales
    // cannot be read.
    bool DisplaySales();
};

FrmKasaBer &frmKasaBer();
