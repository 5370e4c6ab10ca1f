#include <gmock/gmock.h>

#include "data/datacontrol.h"
#include "data/reportdocument.h"
#include "support/fixture.h"
#include "till/receipts.h"

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {
const QString Header = "Section4";
const QString Footer = "Section5";

// Checks each "label=text": the label of the band prints the text.
void expectLabels(const ReportDocument &document, const QString &band, const QStringList &labels)
{
    for (const QString &label : labels) {
        const QString name = label.section('=', 0, 0);
        EXPECT_EQ(document.text(band, name), label.section('=', 1)) << name.toStdString();
    }
}

void expectVisible(const ReportDocument &document, const QStringList &labels, bool visible)
{
    for (const QString &name : labels)
        EXPECT_EQ(document.isVisible(Footer, name), visible) << name.toStdString();
}

class ReceiptTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Products (ProductID, Description) VALUES (1, 'Bauernbrot')");
        exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice)"
             " VALUES (5, 1, 2, 123450), (6, 1, 1, 100)");
        m_lines.setRecordSource("SELECT * FROM Receipt WHERE salesid = ?1", DataControl::CommandType::Text, {5});
        ASSERT_TRUE(m_lines.refresh());
    }

    // clang-format off
    static ReceiptContent cashSale()
    {
        return {.shop = {"Bäckerei Sonnenschein", "Hauptstr. 1", "12345 Berlin", "030 123", "27/123/45678",
                         "Danke und bis bald"},
                .date = QDate(2026, 12, 6), .saleNumber = "42", .cashier = "ANNA", .total = Money::fromCents(123450),
                .fullRateTax = Money::fromCents(19711), .reducedRateTax = Money(), .discountPercent = "10",
                .tendered = "1.300,00", .change = "65,50", .remarks = "Klingeln bei Hof",
                .customerName = "Meier", .customerAddress = "Gartenweg 3", .customerPlace = "12345 Berlin",
                .customerPhone = "0301111", .driver = "Bitte Wählen"};
    }
    // clang-format on

    DataControl m_lines{"Receipt"};
};
} // namespace

TEST(ReceiptLayouts, PrinterChoicePicksTheLayoutAndPaper)
{
    EXPECT_EQ(receiptLayoutFor("2").name, "ReceiptReportBON");
    EXPECT_EQ(receiptLayoutFor("1").name, "ReceiptReport");
    EXPECT_EQ(receiptLayoutFor("1").page.paper, report::Paper::A5);
    for (const char *choice : {"0", "", "x"}) {
        EXPECT_EQ(receiptLayoutFor(choice).name, "ReceiptReport") << choice;
        EXPECT_EQ(receiptLayoutFor(choice).page.paper, report::Paper::A4) << choice;
    }
}

TEST_F(ReceiptTest, PageReceiptOfACashSale)
{
    ReportDocument receipt(receiptReportLayout(report::PageSetup::a4()));
    fillReceipt(receipt, cashSale());
    receipt.setDataSource(m_lines);

    expectLabels(receipt, Header,
                 {"Label1=Bäckerei Sonnenschein", "LbTel=Tel.: 030 123", "lstNr=27/123/45678", "LabelDate=06.12.2026",
                  "BelNr=42"});
    expectLabels(receipt, Footer,
                 {"LabelTotal=1.234,50", "lmwst19=197,11", "lmwst7=0,00", "lbRabatt=10%", "LabelCash=1.300,00",
                  "LabelChange=65,50", "LabelCashier=Kassierer: ANNA", "bemerkung=Klingeln bei Hof",
                  "lbbntxt=Danke und bis bald"});
    expectVisible(receipt, {"LabelCredit", "lbKuname", "lbKuAdr", "lbkuPlz", "lbkuTel"}, false);

    const QStringList printed = receipt.printedLines();
    EXPECT_THAT(printed, Contains("2 Bauernbrot 1.234,50 € 2.469,00 €"));
    EXPECT_THAT(printed.join('\n').toStdString(), Not(HasSubstr("Lieferung an:")));
}

TEST_F(ReceiptTest, PageReceiptOfADeliveryAndSmallTotals)
{
    ReceiptContent content = cashSale();
    content.delivery = true;
    content.total = Money::fromCents(50);
    ReportDocument receipt(receiptReportLayout(report::PageSetup::a5()));
    fillReceipt(receipt, content);

    expectLabels(
        receipt, Footer,
        {"LabelTotal=,50", "lbKuname=Meier", "lbKuAdr=Gartenweg 3", "lbkuPlz=12345 Berlin", "lbkuTel=Tel: 0301111"});
    expectVisible(receipt, {"LabelCredit", "lbKuname", "lbKuAdr", "lbkuPlz", "lbkuTel"}, true);
    // The page receipt names no driver.
    EXPECT_THAT(receipt.printedLines().join('\n').toStdString(), Not(HasSubstr("Fahrer")));
}

TEST_F(ReceiptTest, TillRollReceipt)
{
    ReceiptContent content = cashSale();
    content.delivery = true;
    ReportDocument receipt(receiptReportBonLayout());
    fillReceipt(receipt, content);
    receipt.setDataSource(m_lines);

    expectLabels(receipt, Header, {"LbTel=030 123"});
    // The roll prints no discount figure.
    expectLabels(receipt, Footer, {"LabelTotal=1.234,50", "lbRabatt=%", "Lfahrer=Fahrer: Bitte Wählen"});
    expectVisible(receipt, {"Lfahrer", "LabelCredit"}, true);
    EXPECT_THAT(receipt.printedLines(), Contains("2 Bauernbrot 1234,50 2469,00"));

    content.delivery = false;
    ReportDocument cash(receiptReportBonLayout());
    fillReceipt(cash, content);
    expectVisible(cash, {"Lfahrer", "LabelCredit"}, false);
}

TEST_F(ReceiptTest, ShopValuesTheSettingsLackKeepTheLayoutsText)
{
    ReceiptContent content = cashSale();
    content.shop = {};
    ReportDocument page(receiptReportLayout(report::PageSetup::a4()));
    fillReceipt(page, content);
    expectLabels(page, Header, {"Label1=Fa", "LbTel=Tel.: "});
    // The footer is the settings' text as it stands.
    expectLabels(page, Footer, {"lbbntxt="});
    expectVisible(page, {"lbbntxt"}, true);
}

TEST_F(ReceiptTest, InvoiceOfAnAccountPayment)
{
    InvoiceContent content;
    content.shop.name = "Bäckerei Sonnenschein";
    content.customerName = "Meier";
    content.date = QDate(2026, 12, 6);
    content.cashier = "ANNA";
    content.balanceBefore = "100,00";
    content.tendered = "50,00";
    content.change = "20,00";
    content.paid = "30";
    content.balanceAfter = Money::fromCents(7000);
    ReportDocument invoice(invoiceLayout());
    fillInvoice(invoice, content);

    expectLabels(invoice, Header,
                 {"Label1=Bäckerei Sonnenschein", "LabelName=Meier", "LabelDate=06.12.2026",
                  "LabelCashier=Kassierer: ANNA", "LabelTotal=100,00", "LabelPaid=30", "LabelCash=50,00",
                  "LabelChange=20,00", "LabelBalance=70,00"});

    // An amount paid that is no number leaves the remaining balance unprinted.
    content.balanceAfter.reset();
    ReportDocument unreadable(invoiceLayout());
    fillInvoice(unreadable, content);
    EXPECT_EQ(unreadable.text(Header, "LabelBalance"), "Total");
}
