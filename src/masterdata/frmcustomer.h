#pragma once

#include "data/datacontrol.h"
#include "masterdata/ui/numberededitor.h"

// The customers, found by telephone number. The account balance is the till's
// business: it is neither shown nor written here.
class FrmCustomer : public NumberedEditor
{
    Q_OBJECT

public:
    FrmCustomer();

    // The system's customer recordset, used by the payment dialog.
    DataControl ADOCustomer{QStringLiteral("Customer")};

    QGroupBox *fraCustomer;
    QLineEdit *txtid;
    QLineEdit *txtName;
    QLineEdit *txtAddress;
    QLineEdit *txtPlace;
    QLineEdit *txtContactNumber;
    QPushButton *cmdFind;
    QPushButton *cmdClose;

signals:
    // A customer started with "Hinzufügen" was stored: the screen that opened
    // the editor for a caller it could not name takes them as its customer.
    void customerAdded(const QString &customerId);

protected:
    DataControl &control() override { return ADOCustomer; }
    QLineEdit *nameBox() override { return txtName; }

private:
    void cmdFind_Click();
    void cmdClose_Click();
    void handBackAddedCustomer();

    // A row started with "Hinzufügen" is waiting to be stored.
    bool m_adding = false;
};

FrmCustomer &frmCustomer();
