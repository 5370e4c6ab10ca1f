#include "till/frmpayment.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "data/database.h"
#include "masterdata/frmcustomer.h"
#include "masterdata/frmproduct.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/printerchoice.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "shell/session.h"
#include "till/accountpayment.h"
#include "till/customerlists.h"
#include "till/frmsales.h"
#include "till/receipts.h"
#include "till/salestore.h"
#include "till/ui/tillreports.h"

namespace {
// What the driver box shows while no driver is chosen.
const QString NoDriver = QStringLiteral("Bitte Wählen");
// The keypad writes this after a passed check with nothing tendered; the
// next key starts a new amount rather than appending to it.
const QString ZeroAmount = QStringLiteral("0,00");
const QString Insufficient = QStringLiteral("Bezahlung Unzureichend...");

// Text in a money box that is no amount is named as such: "not enough money"
// would send the cashier counting again. An empty box is left to the check,
// which finds no money in it.
bool amountReadable(QLineEdit *box, const QString &which)
{
    const QString typed = box->text();
    if (typed.trimmed().isEmpty() || readAmountBox(typed))
        return true;
    dialogs().msgBox(QStringLiteral("Der %1 Betrag „%2“ ist keine gültige Zahl: ein Betrag hat höchstens zwei "
                                    "Nachkommastellen, z. B. 50 oder 50,00.")
                         .arg(which, typed),
                     mb::vbExclamation);
    box->setFocus();
    box->selectAll();
    return false;
}
} // namespace

void FrmPayment::Form_Load()
{
    ADOSales.refresh();
    // The number shown; the store takes the number afresh.
    if (Database *database = Database::current()) {
        if (const auto number = nextSaleNumber(*database))
            txtid->setText(QString::number(*number));
        else
            dialogs().msgBox(database->lastError(), mb::vbExclamation);
    }
    fillCustomerLists();
    fillDriverList();
    txtCashier->setText(session().CashierName);
    CreditSale = false;
    cboNo->setEditText(QStringLiteral("1"));
}

void FrmPayment::fillCustomerLists()
{
    // The lists are kept for the run and read again only when the customers
    // changed.
    CustomerLists &lists = CustomerLists::current(Database::current());
    // Filled quietly: the handover chooses the sale's customer.
    const QSignalBlocker quiet(cboCustomer);
    cboCustomer->setModel(&lists);
    cboCustomer->setModelColumn(0);
    cboCustomer->setCurrentIndex(-1);
    cboNo->setModel(&lists);
    cboNo->setModelColumn(1);
    m_customerLists = &lists;
}

void FrmPayment::fillDriverList()
{
    if (Database *database = Database::current()) {
        if (const auto drivers = driverIds(*database))
            cboFahrer->addItems(*drivers);
        else
            dialogs().msgBox(database->lastError(), mb::vbExclamation);
    }
    cboFahrer->setEditText(NoDriver);
}

void FrmPayment::HandOver(const QString &customerId, const OrderSums &order)
{
    const Money total = order.total;
    AccountMode = false;
    const int entry = m_customerLists ? m_customerLists->entryOfId(customerId) : -1;
    if (entry >= 0)
        cboCustomer->setCurrentIndex(entry);
    else
        cboNo->setEditText(customerId);
    m_amounts = PaymentAmounts(order);
    txtBill->setText(de::formatNumber(total));
    txtBalance->setText(de::formatNumber(total));
    // In the sales mode "Bar" stores the sale.
    cmdSales->show();
    cmdOK->hide();
}

void FrmPayment::cboCustomer_Click(int index)
{
    if (index < 0 || index >= cboNo->count())
        return;
    cboNo->setEditText(cboNo->itemText(index));
    if (!AccountMode)
        return;
    // The balance paid towards is read where the payment books it.
    Recordset &customers = frmCustomer().ADOCustomer.recordset();
    customers.setFilter({{QStringLiteral("CustomerID"), cboNo->currentText()}});
    txtAdvance->setText(de::formatNumber(customers.money(QStringLiteral("accountbalance"))));
}

void FrmPayment::vTaste_Click(int index)
{
    if (txtamount->text() == ZeroAmount)
        txtamount->clear();
    txtamount->setText(txtamount->text() + vTaste.at(index)->text());
    m_tenderedTyped = true;
}

void FrmPayment::vClr_Click()
{
    txtamount->setText(NothingTendered);
    m_tenderedTyped = true;
}

namespace {
bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

bool FrmPayment::txtamount_KeyPress(int key)
{
    if (!isEnter(key))
        return false;
    checkAmount(QStringLiteral("Insuficient Fund..."));
    return true;
}

bool FrmPayment::cboCustomer_KeyPress(int key)
{
    if (!isEnter(key))
        return false;
    txtamount->setFocus();
    txtamount->selectAll();
    return true;
}

bool FrmPayment::txtCash_KeyPress(int key)
{
    if (!isEnter(key))
        return false;
    if (const auto paid = readAmountBox(txtCash->text()))
        txtCash->setText(de::formatNumber(*paid));
    txtamount->setFocus();
    txtamount->selectAll();
    return true;
}

void FrmPayment::vOk_Click()
{
    if (!AccountMode) {
        if (!m_amounts.applyDiscount(txtAdvance->text())) {
            dialogs().msgBox(QStringLiteral("Der Rabatt „%1“ ist keine Zahl von 0 bis 100 mit höchstens zwei "
                                            "Nachkommastellen. Bitte den Rabatt in Prozent eingeben, z. B. 10 "
                                            "oder 12,5.")
                                 .arg(txtAdvance->text()),
                             mb::vbExclamation);
            txtAdvance->setFocus();
            txtAdvance->selectAll();
            return;
        }
        txtBill->setText(de::formatNumber(m_amounts.amountDue()));
    }
    checkAmount(Insufficient);
}

// A passed check always shows the change, counted from the amount due after
// any discount; the discount box holds a percentage and has no say in it.
void FrmPayment::checkAmount(const QString &insufficientMessage)
{
    if (!amountReadable(txtamount, QStringLiteral("gegebene")) ||
        (AccountMode && !amountReadable(txtCash, QStringLiteral("gezahlte"))))
        return;
    // In account mode the cash must cover the amount paid towards the balance.
    const auto paid = readAmountBox(txtCash->text());
    const Money due = AccountMode ? paid.value_or(Money()) : m_amounts.amountDue();
    const auto change = changeFor(due, txtamount->text());
    if (!change || (AccountMode && !paid)) {
        dialogs().msgBox(insufficientMessage, mb::vbInformation);
        txtamount->setFocus();
        txtamount->selectAll();
        return;
    }
    showChange(*readAmountBox(txtamount->text()), *change);
    QPushButton *bar = AccountMode ? cmdOK : cmdSales;
    bar->setEnabled(true);
    bar->setFocus();
    // Once the change is counted out the sale is no longer cancelled here.
    cmdCancel->setEnabled(false);
}

void FrmPayment::showChange(Money tendered, Money change)
{
    txtamount->setText(de::formatNumber(tendered));
    txtChange->setText(de::formatNumber(change));
}

// Before a sale is stored the money must cover the amount due. An amount
// box the cashier never touched means the customer paid exactly.
bool FrmPayment::settleTendered()
{
    const Money due = m_amounts.amountDue();
    if (!m_tenderedTyped && txtamount->text() == NothingTendered) {
        showChange(due, Money());
        return true;
    }
    if (!amountReadable(txtamount, QStringLiteral("gegebene")))
        return false;
    const auto change = changeFor(due, txtamount->text());
    if (!change) {
        dialogs().msgBox(Insufficient, mb::vbInformation);
        txtamount->setFocus();
        txtamount->selectAll();
        return false;
    }
    showChange(*readAmountBox(txtamount->text()), *change);
    return true;
}

void FrmPayment::cmdCancel_Click()
{
    ADOSales.refresh();
    screens().unload<FrmPayment>();
}

void FrmPayment::cmdCredit_Click()
{
    CreditSale = true;
    cmdSales_Click();
}

bool FrmPayment::driverChosen() const
{
    const QString driver = cboFahrer->currentText().trimmed();
    return !driver.isEmpty() && driver != NoDriver;
}

void FrmPayment::cmdSales_Click()
{
    const QString printerChoice = printerchoice::read();
    if (!settleTendered()) {
        CreditSale = false;
        return;
    }
    if (cboNo->currentText().trimmed().isEmpty())
        cboNo->setEditText(QStringLiteral("1"));
    FrmSales &sales = frmSales();
    Sale sale;
    // A till left open past midnight sells on the new day.
    sale.date = currentClock().now().date();
    sale.total = m_amounts.amountDue();
    sale.customerId = cboNo->currentText().trimmed();
    sale.cashierId = driverChosen() ? cboFahrer->currentText().trimmed() : session().UserID;
    sale.fullRateTax = m_amounts.fullRateTax();
    sale.reducedRateTax = m_amounts.reducedRateTax();
    sale.lines = sales.order().lines();
    sale.delivery = CreditSale;

    QString error = QStringLiteral("Keine Datenbank geöffnet");
    Database *database = Database::current();
    if (!database || !storeSale(*database, sale, &error)) {
        // Nothing is stored: the cashier may try again, in cash or as a
        // delivery, or cancel, even after the change was counted out.
        CreditSale = false;
        cmdCancel->setEnabled(true);
        if (error == CustomerNotFound) {
            dialogs().msgBox(CustomerNotFound, mb::vbOKOnly);
            return;
        }
        dialogs().msgBox(QStringLiteral("Der Verkauf wurde nicht gespeichert (%1). Die Bestellung ist unverändert; "
                                        "bitte erneut versuchen oder abbrechen.")
                             .arg(error),
                         mb::vbCritical);
        return;
    }
    // The number stored, which another till may have made differ from the
    // one shown when the dialog opened.
    txtid->setText(QString::number(sale.salesId));
    refreshAfterSale(sale.delivery);

    const ReceiptContent content = receiptContent(*database, sale);
    sales.ClearOrder();
    ADOReceipt.setRecordSource(QStringLiteral("SELECT * FROM Receipt WHERE salesid = ?1"),
                               DataControl::CommandType::Text, {sale.salesId});
    ADOReceipt.refresh();
    showReceipt(printerChoice, content, ADOReceipt);
    // A parked order that has been paid is gone, whichever receipt printed it.
    sales.ClearParkedOrder();
    sales.ResetTaxSums();
    screens().unload<FrmPayment>();
}

ReceiptContent FrmPayment::receiptContent(Database &database, const Sale &sale) const
{
    FrmSales &sales = frmSales();
    ReceiptContent content;
    content.shop = currentShopHeader();
    content.date = sale.date;
    content.saleNumber = txtid->text();
    content.cashier = txtCashier->text();
    content.total = m_amounts.amountDue();
    content.fullRateTax = m_amounts.fullRateTax();
    content.reducedRateTax = m_amounts.reducedRateTax();
    // The receipt names the discount taken and the money tendered, not what
    // the discount box happens to hold: a percentage typed without
    // "berechnen" was never taken off.
    content.discountPercent = m_amounts.discountText();
    content.tendered = txtamount->text();
    content.change = txtChange->text();
    content.remarks = sales.zusText->text();
    content.delivery = sale.delivery;
    // The sales screen may show a caller who rang while the payment was open.
    if (sale.delivery && !readDeliveryCustomer(database, sale.salesId, content))
        dialogs().msgBox(QStringLiteral("Der Verkauf ist gespeichert, aber die Lieferadresse konnte nicht gelesen "
                                        "werden (%1). Bitte die Adresse auf dem Beleg von Hand ergänzen.")
                             .arg(database.lastError()),
                         mb::vbExclamation);
    content.driver = cboFahrer->currentText();
    return content;
}

// The other screens read their own copies of the rows; after a sale they are
// read anew, so that they show the stock and balances just stored.
void FrmPayment::refreshAfterSale(bool delivery)
{
    ADOSales.refresh();
    FrmSales &sales = frmSales();
    sales.ADOSalesDetails.refresh();
    if (screens().isLoaded<FrmProduct>())
        frmProduct().ADOProduct.refresh();
    if (!delivery)
        return;
    // A delivery changed the customer's balance.
    if (screens().isLoaded<FrmCustomer>())
        frmCustomer().ADOCustomer.refresh();
    // The sales screen keeps showing the customer it shows: the sale's, or a
    // caller who rang while the payment was open.
    const QString shownCustomer = sales.Text1->text();
    sales.ADOCustomer.refresh();
    sales.ADOCustomer->find({QStringLiteral("CustomerID"), shownCustomer});
}

void FrmPayment::cmdOK_Click()
{
    const AccountPayment booking =
        bookAccountPayment(frmCustomer().ADOCustomer.recordset(), cboNo->currentText(), txtCash->text());
    if (booking.outcome == AccountPayment::Outcome::CustomerNotFound) {
        dialogs().msgBox(CustomerNotFound, mb::vbOKOnly);
        return;
    }
    if (booking.outcome == AccountPayment::Outcome::NotAnAmount) {
        const QString typed = txtCash->text();
        dialogs().msgBox(typed.trimmed().isEmpty()
                             ? QStringLiteral("Bitte den gezahlten Betrag angeben. Es wurde nichts gebucht.")
                             : QStringLiteral("Der gezahlte Betrag „%1“ ist keine gültige Zahl: ein Betrag hat "
                                              "höchstens zwei Nachkommastellen, z. B. 30 oder 30,00. Es wurde nichts "
                                              "gebucht.")
                                   .arg(typed),
                         mb::vbExclamation);
        return;
    }
    if (booking.outcome == AccountPayment::Outcome::OutOfRange) {
        dialogs().msgBox(QStringLiteral("Der neue Kontostand wäre zu groß für die Kasse. Bitte den gezahlten Betrag "
                                        "prüfen. Es wurde nichts gebucht."),
                         mb::vbExclamation);
        return;
    }
    if (booking.outcome == AccountPayment::Outcome::NotStored) {
        dialogs().msgBox(QStringLiteral("Die Zahlung wurde nicht gespeichert (%1).").arg(booking.error),
                         mb::vbCritical);
        return;
    }
    InvoiceContent content;
    content.shop = currentShopHeader();
    content.customerName = cboCustomer->currentText();
    content.date = currentClock().now().date();
    content.cashier = txtCashier->text();
    content.balanceBefore = txtAdvance->text();
    content.tendered = txtamount->text();
    content.change = txtChange->text();
    content.paid = txtCash->text();
    content.balanceAfter = booking.balanceAfter;
    showInvoice(content, ADOReceipt);
    cmdOK->setEnabled(false);
    cmdCancel->setText(QStringLiteral("Close"));
    cmdCancel->setEnabled(true);
}

bool FrmPayment::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == txtamount)
            return txtamount_KeyPress(key);
        if (watched == txtCash)
            return txtCash_KeyPress(key);
        if (watched == cboCustomer)
            return cboCustomer_KeyPress(key);
    }
    return Form::eventFilter(watched, event);
}

FrmPayment &frmPayment()
{
    return screens().get<FrmPayment>();
}
