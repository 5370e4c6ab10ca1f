#pragma once

#include <QList>

#include "data/datacontrol.h"
#include "platform/ui/form.h"
#include "till/payment.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class CustomerLists;
class Database;
struct ReceiptContent;
struct Sale;

// The till's payment dialog: the sales screen hands over its customer and
// total; the cashier types the amount tendered on the keypad, may take a
// discount off, and ends the sale in cash ("Bar") or as a delivery
// ("Lieferung"), which stores it and shows its receipt, or cancels it.
//
// In account mode (AccountMode, which only code sets) the dialog takes a
// payment towards a customer's balance instead: its own "Bar" (cmdOK) lowers
// the balance and shows the invoice.
class FrmPayment : public Form
{
    Q_OBJECT

public:
    FrmPayment();

    void Form_Load() override;

    // The sales screen's customer (by id, so that two customers of one name
    // are told apart) and its order's total and tax sums.
    void HandOver(const QString &customerId, const OrderSums &order);

    bool AccountMode = false;

    DataControl ADOSales{QStringLiteral("Sales")};
    // The lines of the sale being paid, for the receipt.
    DataControl ADOReceipt{QStringLiteral("Receipt")};

    QLabel *Label5;
    QFrame *Frame2;
    QFrame *Frame3;
    QLineEdit *txtCashier;
    QLineEdit *txtid; // the sale number
    QComboBox *cboFahrer;
    QLineEdit *txtBill;    // the amount due, after any discount
    QLineEdit *txtAdvance; // the discount in percent; in account mode the customer's balance
    QLineEdit *txtCash;    // account mode: the amount paid towards the balance
    QLineEdit *txtamount;  // the amount tendered
    QLineEdit *txtBalance; // the amount due as handed over
    QLineEdit *txtChange;
    QComboBox *cboCustomer;      // the customers' names, out of sight
    QComboBox *cboNo;            // their ids, entry for entry, out of sight
    QList<QPushButton *> vTaste; // the digits 0 to 9 and ","
    QPushButton *vClr;
    QPushButton *vOk;
    QPushButton *cmdOK;
    QPushButton *cmdSales;
    QPushButton *cmdCredit;
    QPushButton *cmdCancel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cboCustomer_Click(int index);
    void vTaste_Click(int index);
    void vClr_Click();
    bool txtamount_KeyPress(int key);
    bool cboCustomer_KeyPress(int key);
    bool txtCash_KeyPress(int key);
    void vOk_Click();
    void cmdCancel_Click();
    void cmdCredit_Click();
    void cmdSales_Click();
    void cmdOK_Click();

    void buildFields();
    void buildKeypad();
    void buildButtons();
    void fillCustomerLists();
    void fillDriverList();
    void checkAmount(const QString &insufficientMessage);
    void showChange(Money tendered, Money change);
    bool settleTendered();
    bool driverChosen() const;
    ReceiptContent receiptContent(Database &database, const Sale &sale) const;
    void refreshAfterSale(bool delivery);

    bool CreditSale = false;
    PaymentAmounts m_amounts;
    // The cashier typed into the amount tendered or used its keypad.
    bool m_tenderedTyped = false;
    CustomerLists *m_customerLists = nullptr;
};

FrmPayment &frmPayment();
