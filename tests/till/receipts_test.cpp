#include <gmock/gmock.h>

#include "data/datacontrol.h"
#include "platform/reportdocument.h"
#include "support/fixture.h"
#include "till/receipts.h"

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {
class ReceiptTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Products (ProductID, Description) VALUES (1, 'Bauernbrot')");
        exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (5, 1, 2, 123450)");
        exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (6, 1, 1, 100)");
        m_lines.setRecordSource("SELECT * FROM Receipt WHERE salesid = 5", DataControl::CommandType::Text);
        ASSERT_TRUE(m_lines.refresh());
    }

    static ReceiptContent cashSale()
    {
        ReceiptContent content;
        content.shop = {"Bäckerei Sonnenschein", "Hauptstr. 1",       "12345 Berlin", "030 123",
                        "27/123/45678",          "Danke und bis bald"};
        content.date = QDate(2026, 12, 6);
        content.saleNumber = "42";
        content.cashier = "ANNA";
        content.total = Money::fromCents(123450);
        content.fullRateTax = Money::fromCents(19711);
        content.reducedRateTax = Money::fromCents(0);
        content.discountPercent = "10";
        content.tendered = "1.300,00";
        content.change = "65,50";
        content.remarks = "Klingeln bei Hof";
        content.customerName = "Meier";
        content.customerAddress = "Gartenweg 3";
        content.customerPlace = "12345 Berlin";
        content.customerPhone = "0301111";
        content.driver = "Bitte Wählen";
        return content;
    }

    DataControl m_lines{"Receipt"};
};

const QString Header = "Section4";
const QString Footer = "Section5";
} // namespace

TEST(ReceiptLayouts, PrinterChoicePicksTheLayoutAndPaper)
{
    EXPECT_EQ(receiptLayoutFor("2").name, "ReceiptReportBON");
    EXPECT_EQ(receiptLayoutFor("1").name, "ReceiptReport");
    EXPECT_EQ(receiptLayoutFor("1").page.paper, report::Paper::A5);
    for (const char *choice : {"0", "", "x"}) {
        EXPECT_EQ(receiptLayoutFor(QString::fromLatin1(choice)).name, "ReceiptReport") << choice;
        EXPECT_EQ(receiptLayoutFor(QString::fromLatin1(choice)).page.paper, report::Paper::A4) << choice;
    }
    // Every layout table reads without a fault.
    EXPECT_NO_THROW(ReportDocument{receiptReportLayout(report::PageSetup::a4())});
    EXPECT_NO_THROW(ReportDocument{receiptReportBonLayout()});
    EXPECT_NO_THROW(ReportDocument{invoiceLayout()});
}

TEST_F(ReceiptTest, PageReceiptOfACashSale)
{
    ReportDocument receipt(receiptReportLayout(report::PageSetup::a4()));
    fillReceipt(receipt, cashSale());
    receipt.setDataSource(m_lines);

    EXPECT_EQ(receipt.text(Header, "Label1"), "Bäckerei Sonnenschein");
    EXPECT_EQ(receipt.text(Header, "LbTel"), "Tel.: 030 123");
    EXPECT_EQ(receipt.text(Header, "lstNr"), "27/123/45678");
    EXPECT_EQ(receipt.text(Header, "LabelDate"), "06.12.2026");
    EXPECT_EQ(receipt.text(Header, "BelNr"), "42");
    EXPECT_EQ(receipt.text(Footer, "LabelTotal"), "1.234,50");
    EXPECT_EQ(receipt.text(Footer, "lmwst19"), "197,11");
    EXPECT_EQ(receipt.text(Footer, "lmwst7"), "0,00");
    EXPECT_EQ(receipt.text(Footer, "lbRabatt"), "10%");
    EXPECT_EQ(receipt.text(Footer, "LabelCash"), "1.300,00");
    EXPECT_EQ(receipt.text(Footer, "LabelChange"), "65,50");
    EXPECT_EQ(receipt.text(Footer, "LabelCashier"), "Kassierer: ANNA");
    EXPECT_EQ(receipt.text(Footer, "bemerkung"), "Klingeln bei Hof");
    EXPECT_EQ(receipt.text(Footer, "lbbntxt"), "Danke und bis bald");
    for (const char *hidden : {"LabelCredit", "lbKuname", "lbKuAdr", "lbkuPlz", "lbkuTel"})
        EXPECT_FALSE(receipt.isVisible(Footer, QString::fromLatin1(hidden))) << hidden;

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

    EXPECT_EQ(receipt.text(Footer, "LabelTotal"), ",50");
    EXPECT_TRUE(receipt.isVisible(Footer, "LabelCredit"));
    EXPECT_EQ(receipt.text(Footer, "lbKuname"), "Meier");
    EXPECT_EQ(receipt.text(Footer, "lbKuAdr"), "Gartenweg 3");
    EXPECT_EQ(receipt.text(Footer, "lbkuPlz"), "12345 Berlin");
    EXPECT_EQ(receipt.text(Footer, "lbkuTel"), "Tel: 0301111");
    EXPECT_TRUE(receipt.isVisible(Footer, "lbkuTel"));
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

    EXPECT_EQ(receipt.text(Header, "LbTel"), "030 123");
    EXPECT_EQ(receipt.text(Footer, "LabelTotal"), "1.234,50");
    // The roll prints no discount figure.
    EXPECT_EQ(receipt.text(Footer, "lbRabatt"), "%");
    EXPECT_TRUE(receipt.isVisible(Footer, "Lfahrer"));
    EXPECT_EQ(receipt.text(Footer, "Lfahrer"), "Fahrer: Bitte Wählen");
    EXPECT_TRUE(receipt.isVisible(Footer, "LabelCredit"));
    EXPECT_THAT(receipt.printedLines(), Contains("2 Bauernbrot 1234,50 2469,00"));

    content.delivery = false;
    ReportDocument cash(receiptReportBonLayout());
    fillReceipt(cash, content);
    EXPECT_FALSE(cash.isVisible(Footer, "Lfahrer"));
    EXPECT_FALSE(cash.isVisible(Footer, "LabelCredit"));
}

TEST_F(ReceiptTest, ShopValuesTheSettingsLackKeepTheLayoutsText)
{
    ReceiptContent content = cashSale();
    content.shop = {};
    ReportDocument page(receiptReportLayout(report::PageSetup::a4()));
    fillReceipt(page, content);
    EXPECT_EQ(page.text(Header, "Label1"), "Fa");
    EXPECT_EQ(page.text(Header, "LbTel"), "Tel.: ");
    // The footer is the settings' text as it stands.
    EXPECT_EQ(page.text(Footer, "lbbntxt"), "");
    EXPECT_TRUE(page.isVisible(Footer, "lbbntxt"));
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

    EXPECT_EQ(invoice.text(Header, "Label1"), "Bäckerei Sonnenschein");
    EXPECT_EQ(invoice.text(Header, "LabelName"), "Meier");
    EXPECT_EQ(invoice.text(Header, "LabelDate"), "06.12.2026");
    EXPECT_EQ(invoice.text(Header, "LabelCashier"), "Kassierer: ANNA");
    EXPECT_EQ(invoice.text(Header, "LabelTotal"), "100,00");
    EXPECT_EQ(invoice.text(Header, "LabelPaid"), "30");
    EXPECT_EQ(invoice.text(Header, "LabelCash"), "50,00");
    EXPECT_EQ(invoice.text(Header, "LabelChange"), "20,00");
    EXPECT_EQ(invoice.text(Header, "LabelBalance"), "70,00");

    // An amount paid that is no number leaves the remaining balance unprinted.
    content.balanceAfter.reset();
    ReportDocument unreadable(invoiceLayout());
    fillInvoice(unreadable, content);
    EXPECT_EQ(unreadable.text(Header, "LabelBalance"), "Total");
}
