#pragma once

#include <optional>

#include <QDate>
#include <QString>

#include "platform/money.h"
#include "platform/reportlayout.h"

class Database;
class ReportDocument;

// The till's three printed layouts: the page receipt "ReceiptReport" (A4 or
// A5), the till-roll receipt "ReceiptReportBON" and the account-payment
// "Invoice", with what the till writes into them.

report::Layout receiptReportLayout(const report::PageSetup &page);
report::Layout receiptReportBonLayout();
report::Layout invoiceLayout();

// The receipt layout the printer choice asks for: "2" the till roll,
// "1" the page receipt on A5, anything else on A4.
report::Layout receiptLayoutFor(const QString &printerChoice);

// The shop's own lines at the top and bottom of every receipt.
struct ShopHeader
{
    QString name;
    QString address;
    QString place;
    QString phone;
    QString taxNumber;
    QString footerText;
};

struct ReceiptContent
{
    ShopHeader shop;
    QDate date;
    QString saleNumber;
    QString cashier;
    Money total; // what the customer pays, after any discount
    Money fullRateTax;
    Money reducedRateTax;
    QString discountPercent; // "10"; the till roll prints no figure
    QString tendered;        // as the payment shows it
    QString change;
    QString remarks; // the page receipt only

    // A delivery prints where it goes (and on the till roll who takes it).
    bool delivery = false;
    QString customerName;
    QString customerAddress;
    QString customerPlace;
    QString customerPhone;
    QString driver;
};

// Writes a sale into a receipt of either layout.
void fillReceipt(ReportDocument &receipt, const ReceiptContent &content);

// Puts the customer a stored sale was booked to into the receipt's delivery
// lines, read by the sale's number: the receipt says where the goods go,
// whichever customer a screen shows meanwhile. False when the database
// cannot be read (see Database::lastError()); a sale without a customer
// leaves the lines empty.
bool readDeliveryCustomer(Database &database, qint64 salesId, ReceiptContent &content);

struct InvoiceContent
{
    ShopHeader shop;
    QString customerName;
    QDate date;
    QString cashier;
    QString balanceBefore; // as the payment shows it
    QString tendered;
    QString change;
    QString paid;
    std::optional<Money> balanceAfter; // none when the amount paid is no number
};

// Writes an account payment into the invoice layout.
void fillInvoice(ReportDocument &invoice, const InvoiceContent &content);
