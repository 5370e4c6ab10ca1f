#include "till/receipts.h"

#include "data/database.h"
#include "data/reportdocument.h"
#include "platform/locale.h"
#include "platform/printerchoice.h"

namespace {
const QString Header = QStringLiteral("Section4");
const QString Footer = QStringLiteral("Section5");

bool isTillRoll(const ReportDocument &receipt)
{
    return receipt.name() == QLatin1String("ReceiptReportBON");
}

// A shop value that the settings do not hold leaves the layout's own text.
void setShopValue(ReportDocument &document, const QString &band, const QString &control, const QString &value)
{
    if (!value.isEmpty())
        document.setText(band, control, value);
}

void fillShopHeader(ReportDocument &document, const ShopHeader &shop)
{
    setShopValue(document, Header, QStringLiteral("Label1"), shop.name);
    setShopValue(document, Header, QStringLiteral("Label2"), shop.address);
    setShopValue(document, Header, QStringLiteral("Label3"), shop.place);
}

void showFooterLine(ReportDocument &document, const QString &control, const QString &text)
{
    document.setText(Footer, control, text);
    document.setVisible(Footer, control, true);
}
} // namespace

// clang-format off
report::Layout receiptReportLayout(const report::PageSetup &page)
{
    using enum report::Kind;
    return {.name = "ReceiptReport", .title = "Receipt", .page = page,
            .formats = {{"a", "#.##0,00 \"€\""}},
            .bands = {{"Section4", 2400}, {"Section1", 285}, {"Section5", 6809}},
            .controls = {
        // Section   Control        Kind   Text or field                     Left   Top  Width Height Notes                           Font
        {"Section4", "Label1",      Label, "Fa",                                0,    0, 5102,  420, "centred, can grow",             "Verdana 12 bold"},
        {"Section4", "Label2",      Label, "Adresse",                           0,  380, 5102,  285, "centred, can grow",             "Verdana 9 bold"},
        {"Section4", "Label3",      Label, "platz",                             0,  620, 5102,  285, "centred, can grow",             "Verdana 9 bold"},
        {"Section4", "Label5",      Label, "Beschreibung",                    700, 2100, 2100,  285, "",                              "Arial 9 bold"},
        {"Section4", "Label6",      Label, "Anz",                              40, 2100,  600,  285, "",                              "Arial 9 bold"},
        {"Section4", "Label9",      Label, "St. Preis",                      2835, 2100, 1155,  285, "right-aligned",                 "Arial 9 bold"},
        {"Section4", "Label10",     Label, "Ges.",                           4000, 2100, 1000,  285, "right-aligned",                 "Arial 9 bold"},
        {"Section4", "Line1",       Line,  "",                                  0, 2100, 5100,    0},
        {"Section4", "Line2",       Line,  "",                                  0, 2390, 5100,    0},
        {"Section4", "Label13",     Label, "Datum:",                         3402, 1701,  570,  285, "",                              "Arial 8.25 bold"},
        {"Section4", "LbTel",       Label, "Tel",                               0,  850, 5102,  240, "centred, can grow",             "Verdana 9 bold"},
        {"Section4", "Label8",      Label, "Beleg-Nr",                          0, 1701,  800,  285, "",                              "Arial 8.25 bold"},
        {"Section4", "LabelDate",   Label, "Total",                          4000, 1701, 1100,  285, "",                              "Arial 8.25 bold"},
        {"Section4", "BelNr",       Label, "Total",                           800, 1701, 1134,  285, "",                              "Arial 8.25 bold"},
        {"Section4", "Label12",     Label, "St.Nr.",                            0, 1430,  567,  240, "",                              "Arial 8.25 bold"},
        {"Section4", "lstNr",       Label, "StNr",                            800, 1400, 1440,  240, "",                              "Arial 8.25 bold"},
        {"Section1", "Text2",       Field, "Desc",                            700,    0, 2100,  285, "can grow"},
        {"Section1", "Text3",       Field, "Quantity",                         40,    0,  647,  285, "centred"},
        {"Section1", "Text4",       Field, "SalesPrice",                     2835,    0, 1020,  285, "right-aligned, format (a)"},
        {"Section1", "Text5",       Field, "Ext",                            3900,    0, 1100,  285, "right-aligned, format (a)"},
        {"Section5", "lbbntxt",     Label, "Vielen Dank für Ihren Einkauf",    50, 2400, 5000,  800, "centred, can grow",             "Verdana 9 bold"},
        {"Section5", "Line4",       Line,  "",                                  0,    0, 5100,    0},
        {"Section5", "lblTotal",    Label, "Total",                          2835,  380,  750,  240, "",                              "Arial 9.75 bold"},
        {"Section5", "lblTendered", Label, "Gegeben",                        2835,  650,  750,  240, "",                              "Arial 8.25 bold"},
        {"Section5", "lblChange",   Label, "Rückgeld",                       2835,  920,  750,  240, "",                              "Arial 8.25 bold"},
        {"Section5", "LabelTotal",  Label, "Total",                          3750,  380, 1296,  240, "right-aligned",                 "Arial 9.75 bold"},
        {"Section5", "LabelCash",   Label, "Tendered",                       3750,  650, 1296,  240, "right-aligned",                 "Arial 8.25 bold"},
        {"Section5", "LabelChange", Label, "Change",                         3750,  920, 1296,  240, "right-aligned",                 "Arial 8.25 bold"},
        {"Section5", "LabelCashier",Label, "Kassierer:",                       50, 2000, 5000,  285, "can grow",                      "Arial 8.25 bold"},
        {"Section5", "LbRabatttxt", Label, "Rabatt",                         2835,  100,  750,  240, "",                              "Arial 8.25 bold"},
        {"Section5", "lbRabatt",    Label, "%",                              3750,  100, 1296,  240, "right-aligned",                 "Arial 8.25 bold"},
        {"Section5", "lbKuname",    Label, "Label8",                          144, 3567, 4950,  240, "hidden, can grow",              "Arial 9 bold"},
        {"Section5", "lbKuAdr",     Label, "Label8",                          144, 3817, 4950,  240, "hidden, can grow",              "Arial 9 bold"},
        {"Section5", "lbkuPlz",     Label, "Label8",                          144, 4077, 4950,  240, "hidden, can grow",              "Arial 9 bold"},
        {"Section5", "lbkuTel",     Label, "Label8",                          144, 4337, 4950,  240, "hidden, can grow",              "Arial 9 bold"},
        {"Section5", "LabelCredit", Label, "Lieferung an:",                   144, 3267, 2265,  285, "hidden, red",                   "Arial 9.75 bold"},
        {"Section5", "lmwst19",     Label, "Label4",                         4040, 1190,  994,  240, "right-aligned",                 "Arial 8.25"},
        {"Section5", "Label4",      Label, "Inkl. MwSt: 19%",                2835, 1190, 1200,  240, "",                              "Arial 8.25"},
        {"Section5", "Label11",     Label, "Inkl.MwSt:    7%",               2835, 1450, 1200,  285, "",                              "Arial 8.25"},
        {"Section5", "lmwst7",      Label, "Label12",                        4040, 1450,  993,  240, "right-aligned",                 "Arial 8.25"},
        {"Section5", "txtbmg",      Label, "Bemerkungen",                       0, 4800, 1440,  240, "",                              "Arial 8.25 bold"},
        {"Section5", "bemerkung",   Label, "",                                  0, 5102, 5100, 1140, "can grow",                      "Arial 9"},
    }};
}

report::Layout receiptReportBonLayout()
{
    using enum report::Kind;
    return {.name = "ReceiptReportBON", .title = "Receipt", .page = report::PageSetup::tillRoll80mm(),
            .baseFont = "Arial 9",
            .formats = {{"b", "0,00"}},
            .bands = {{"Section4", 2175}, {"Section1", 285}, {"Section5", 6045}},
            .controls = {
        // Section   Control        Kind   Text or field   Left   Top  Width Height Notes                   Font
        {"Section4", "Label1",      Label, "Fa",              0,    0, 3000,  320, "centred, can grow",     "Verdana 11.25 bold"},
        {"Section4", "Label2",      Label, "Adresse",         0,  330, 3000,  285, "centred, can grow"},
        {"Section4", "Label3",      Label, "platz",           0,  620, 3000,  285, "centred, can grow",     "Verdana 9"},
        {"Section4", "Line1",       Line,  "",                0, 2100, 3400,    0},
        {"Section4", "Label13",     Label, "Datum:",          0, 1180,  600,  285},
        {"Section4", "LbTel",       Label, "Tel",             0,  850, 3000,  240, "centred, can grow",     "Verdana 9"},
        {"Section4", "Label8",      Label, "Beleg-Nr.:",      0, 1750,  900,  285},
        {"Section4", "LabelDate",   Label, "Total",         900, 1180, 1095,  285},
        {"Section4", "BelNr",       Label, "Total",         900, 1750, 1134,  285},
        {"Section4", "Label12",     Label, "St.Nr.:",         0, 1480,  567,  240},
        {"Section4", "lstNr",       Label, "StNr",          900, 1480, 1440,  240},
        {"Section1", "Text2",       Field, "Desc",          440,    0, 1460,  285, "can grow"},
        {"Section1", "Text3",       Field, "Quantity",        0,    0,  420,  285},
        {"Section1", "Text4",       Field, "SalesPrice",   1920,    0,  680,  285, "centred, format (b)"},
        {"Section1", "Text5",       Field, "Ext",          2620,    0,  700,  285, "right-aligned, format (b)"},
        {"Section5", "lbbntxt",     Label, "Vielen Dank",     0, 2300, 3350,  800, "centred, can grow"},
        {"Section5", "Line4",       Line,  "",                0,    0, 3400,    0},
        {"Section5", "lblTotal",    Label, "Summe",        1100,  380,  750,  240, "",                      "Arial 9 bold"},
        {"Section5", "lblTendered", Label, "Gegeben",      1100,  650,  900,  240},
        {"Section5", "lblChange",   Label, "Rückgeld",     1100,  920,  850,  240},
        {"Section5", "LabelTotal",  Label, "Total",        2000,  380, 1200,  240, "right-aligned",         "Arial 9 bold"},
        {"Section5", "LabelCash",   Label, "Tendered",     2000,  650, 1200,  240, "right-aligned"},
        {"Section5", "LabelChange", Label, "Change",       2000,  920, 1200,  240, "right-aligned"},
        {"Section5", "LabelCashier",Label, "Kassierer:",     50, 2000, 3400,  285, "can grow"},
        {"Section5", "LbRabatttxt", Label, "Rabatt",       1100,  100,  750,  240},
        {"Section5", "lbRabatt",    Label, "%",            2000,  100, 1200,  240, "right-aligned"},
        {"Section5", "lbKuname",    Label, "Label8",        144, 3567, 3090,  240, "hidden, can grow"},
        {"Section5", "lbKuAdr",     Label, "Label8",        144, 3817, 3090,  240, "hidden, can grow"},
        {"Section5", "lbkuPlz",     Label, "Label8",        144, 4077, 3090,  240, "hidden, can grow"},
        {"Section5", "lbkuTel",     Label, "Label8",        144, 4337, 3090,  240, "hidden, can grow"},
        {"Section5", "LabelCredit", Label, "Lieferung an:", 144, 3267, 2265,  285, "hidden, red",           "Arial 9.75 bold"},
        {"Section5", "lmwst19",     Label, "Label4",       2430, 1190,  770,  240, "right-aligned"},
        {"Section5", "Label4",      Label, "Inkl. MwSt: 19%", 1100, 1190, 1320, 240},
        {"Section5", "Label11",     Label, "Inkl.MwSt:    7%", 1100, 1450, 1320, 285},
        {"Section5", "lmwst7",      Label, "Label12",      2430, 1450,  770,  240, "right-aligned"},
        {"Section5", "Lfahrer",     Label, "Fahrer:",       144, 4767, 3090,  240, "hidden, can grow",      "Arial 9 bold"},
        {"Section5", "Line2",       Line,  "",                0, 3200, 3405,    0},
    }};
}

report::Layout invoiceLayout()
{
    using enum report::Kind;
    return {.name = "Invoice", .title = "Invoice", .page = report::PageSetup::a4(),
            .bands = {{"Section4", 4461}, {"Section5", 360}},
            .controls = {
        // Section   Control         Kind   Text or field                       Left   Top  Width Height Notes            Font
        {"Section4", "Label1",       Label, "FA",                                  0,    0, 7200,  420, "centred, can grow", "Georgia 18 bold"},
        {"Section4", "Label2",       Label, "Adr",                                 0,  576, 7200,  285, "centred, can grow", "Arial 11.25 bold"},
        {"Section4", "Label3",       Label, "BLZ",                                 0, 1008, 7200,  285, "centred, can grow", "Arial 9 bold"},
        {"Section4", "Label11",      Label, "Kundenname:",                         0, 1584, 1440,  285, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "LabelName",    Label, "Summe",                            1440, 1584, 3600,  285, "can grow",      "Arial Narrow 9.75 bold"},
        {"Section4", "Label13",      Label, "Datum:",                           5328, 1584,  585,  285, "right-aligned", "Arial Narrow 9.75 bold"},
        {"Section4", "LabelDate",    Label, "Summe",                            6048, 1584, 1140,  285, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "Label7",       Label, "This Serve as Temporary Receipt",     0, 3888, 7200,  285, "centred",       "Arial Narrow 9.75 bold"},
        {"Section4", "Label8",       Label, "THANK YOU, COME AGAIN ",              0, 4176, 7200,  285, "centred",       "Arial Narrow 9.75 bold"},
        {"Section4", "lblTotal",     Label, "Current Balance",                   144, 2160, 1440,  285, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "lblTendered",  Label, "Cash",                             4320, 2160,  855,  285, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "lblChange",    Label, "Change",                           4320, 2592,  855,  300, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "LabelTotal",   Label, "Total",                            1584, 2160, 1305,  285, "right-aligned", "Arial Narrow 9.75 bold"},
        {"Section4", "LabelCash",    Label, "Tendered",                         5760, 2160, 1305,  285, "right-aligned", "Arial Narrow 9.75 bold"},
        {"Section4", "LabelChange",  Label, "Change",                           5760, 2592, 1305,  300, "right-aligned", "Arial Narrow 9.75 bold"},
        {"Section4", "LabelCashier", Label, "Cashier:",                            0, 3600, 7200,  285, "centred, can grow", "Arial Narrow 9.75 bold"},
        {"Section4", "Label4",       Label, "Amount Paid",                       144, 2592, 1305,  285, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "LabelBalance", Label, "Total",                            1584, 3024, 1305,  285, "right-aligned", "Arial Narrow 9.75 bold"},
        {"Section4", "Label5",       Label, "Rem. Balance",                      144, 3024, 1305,  285, "",              "Arial Narrow 9.75 bold"},
        {"Section4", "LabelPaid",    Label, "Total",                            1584, 2592, 1305,  285, "right-aligned", "Arial Narrow 9.75 bold"},
    }};
}
// clang-format on

report::Layout receiptLayoutFor(const QString &printerChoice)
{
    bool isNumber = false;
    const int choice = printerChoice.trimmed().toInt(&isNumber);
    if (isNumber && choice == QString::fromLatin1(printerchoice::ReceiptPrinter).toInt())
        return receiptReportBonLayout();
    if (isNumber && choice == QString::fromLatin1(printerchoice::A5).toInt())
        return receiptReportLayout(report::PageSetup::a5());
    return receiptReportLayout(report::PageSetup::a4());
}

void fillReceipt(ReportDocument &receipt, const ReceiptContent &content)
{
    const bool tillRoll = isTillRoll(receipt);
    fillShopHeader(receipt, content.shop);
    // The page receipt names the shop's telephone; on the narrow roll the
    // number stands alone under the address.
    if (tillRoll)
        setShopValue(receipt, Header, QStringLiteral("LbTel"), content.shop.phone);
    else
        receipt.setText(Header, QStringLiteral("LbTel"), QStringLiteral("Tel.: ") + content.shop.phone);
    setShopValue(receipt, Header, QStringLiteral("lstNr"), content.shop.taxNumber);
    receipt.setText(Header, QStringLiteral("LabelDate"), de::shortDate(content.date));
    receipt.setText(Header, QStringLiteral("BelNr"), content.saleNumber);

    receipt.setText(Footer, QStringLiteral("LabelCashier"), QStringLiteral("Kassierer: ") + content.cashier);
    receipt.setText(Footer, QStringLiteral("LabelTotal"), de::formatGrouped2(content.total));
    receipt.setText(Footer, QStringLiteral("lmwst19"), de::formatFixed2(content.fullRateTax));
    receipt.setText(Footer, QStringLiteral("lmwst7"), de::formatFixed2(content.reducedRateTax));
    receipt.setText(Footer, QStringLiteral("LabelCash"), content.tendered);
    receipt.setText(Footer, QStringLiteral("LabelChange"), content.change);
    if (!tillRoll) {
        receipt.setText(Footer, QStringLiteral("bemerkung"), content.remarks);
        receipt.setText(Footer, QStringLiteral("lbRabatt"), content.discountPercent + u'%');
    }

    if (content.delivery) {
        receipt.setVisible(Footer, QStringLiteral("LabelCredit"), true);
        showFooterLine(receipt, QStringLiteral("lbKuname"), content.customerName);
        showFooterLine(receipt, QStringLiteral("lbKuAdr"), content.customerAddress);
        showFooterLine(receipt, QStringLiteral("lbkuPlz"), content.customerPlace);
        showFooterLine(receipt, QStringLiteral("lbkuTel"), QStringLiteral("Tel: ") + content.customerPhone);
        if (tillRoll)
            showFooterLine(receipt, QStringLiteral("Lfahrer"), QStringLiteral("Fahrer: ") + content.driver);
    }
    // The footer is the settings' footer text as it stands, even when empty.
    receipt.setText(Footer, QStringLiteral("lbbntxt"), content.shop.footerText);
    receipt.setVisible(Footer, QStringLiteral("lbbntxt"), true);
}

bool readDeliveryCustomer(Database &database, qint64 salesId, ReceiptContent &content)
{
    const auto found =
        database.select(QStringLiteral("SELECT c.Customername, c.Address, c.Place, c.ContactNumber"
                                       " FROM Sales s JOIN Customer c ON c.CustomerID = s.custid WHERE s.salesid = ?1"),
                        {salesId});
    if (!found)
        return false;
    if (found->values.empty())
        return true;
    const std::vector<QVariant> &customer = found->values.front();
    content.customerName = customer[0].toString();
    content.customerAddress = customer[1].toString();
    content.customerPlace = customer[2].toString();
    content.customerPhone = customer[3].toString();
    return true;
}

void fillInvoice(ReportDocument &invoice, const InvoiceContent &content)
{
    fillShopHeader(invoice, content.shop);
    invoice.setText(Header, QStringLiteral("LabelName"), content.customerName);
    invoice.setText(Header, QStringLiteral("LabelDate"), de::shortDate(content.date));
    invoice.setText(Header, QStringLiteral("LabelCashier"), QStringLiteral("Kassierer: ") + content.cashier);
    invoice.setText(Header, QStringLiteral("LabelTotal"), content.balanceBefore);
    invoice.setText(Header, QStringLiteral("LabelCash"), content.tendered);
    invoice.setText(Header, QStringLiteral("LabelChange"), content.change);
    invoice.setText(Header, QStringLiteral("LabelPaid"), content.paid);
    if (content.balanceAfter)
        invoice.setText(Header, QStringLiteral("LabelBalance"), de::formatNumber(*content.balanceAfter));
}
