#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "data/reportdocument.h"
#include "support/fixture.h"
#include "till/receipts.h"

namespace {
const QString Header = "Section4";

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

// What each layout prints of a cash sale and of a delivery: the page receipt
// names the shop's telephone, the discount and the remarks, the till roll the
// driver; only a delivery says where it goes; a shop value the settings lack
// keeps the layout's own text. A value beside a caption cut short is read
// from its label ("label=text").
TEST_F(ReceiptTest, EachLayoutPrintsTheSaleItsWay)
{
    struct Case
    {
        report::Layout layout;
        bool delivery;
        bool shopKnown;
        qint64 total;
        QStringList printed;
    };
    // clang-format off
    const QStringList page = {"Beleg-Nr 42 Datu… 06.12.2026", "2 Bauernbrot 1.234,50 € 2.469,00 €", "Rabatt 10%",
                              "Gegeben 1.300,00", "LabelChange=65,50", "lmwst19=197,11", "Inkl.MwSt: 7% 0,00",
                              "Kassierer: ANNA", "Klingeln bei Hof"};
    const QStringList shop = {"Bäckerei Sonnenschein", "Hauptstr. 1", "12345 Berlin", "Danke und bis bald"};
    const QStringList delivery = {"Lieferung an:", "Meier", "Gartenweg 3", "Tel: 0301111"};
    const QStringList roll = {"030 123", "Beleg-Nr.: 42", "LabelDate=06.12.2026", "St.N… 27/123/45678",
                              "2 Bauernbrot 1234,50 2469,00", "Rabatt %", "Summe 1.234,50", "Rückgeld 65,50"};
    const Case cases[] = {
        {receiptReportLayout(report::PageSetup::a4()), false, true, 123450,
         page + shop + QStringList{"Tel.: 030 123", "St.Nr. 27/123/45678", "Total 1.234,50"}},
        {receiptReportLayout(report::PageSetup::a5()), true, true, 50,
         page + shop + delivery + QStringList{"Total ,50"}},
        {receiptReportBonLayout(), true, true, 123450, roll + shop + delivery + QStringList{"Fahrer: Bitte Wählen"}},
        {receiptReportBonLayout(), false, true, 123450, roll + shop},
        {receiptReportLayout(report::PageSetup::a4()), false, false, 123450,
         page + QStringList{"Fa", "Adresse", "platz", "Tel.: ", "St.Nr. StNr", "lbbntxt="}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.layout.name.toStdString() << (c.delivery ? ", delivery" : ", cash")
                                        << (c.shopKnown ? "" : ", no shop values"));
        // clang-format off
        const ReceiptContent content = {
            .shop = c.shopKnown ? ShopHeader{"Bäckerei Sonnenschein", "Hauptstr. 1", "12345 Berlin", "030 123",
                                             "27/123/45678", "Danke und bis bald"} : ShopHeader{},
            .date = QDate(2026, 12, 6), .saleNumber = "42", .cashier = "ANNA", .total = Money::fromCents(c.total),
            .fullRateTax = Money::fromCents(19711), .reducedRateTax = Money(), .discountPercent = "10",
            .tendered = "1.300,00", .change = "65,50", .remarks = "Klingeln bei Hof", .delivery = c.delivery,
            .customerName = "Meier", .customerAddress = "Gartenweg 3", .customerPlace = "12345 Berlin",
            .customerPhone = "0301111", .driver = "Bitte Wählen"};
        // clang-format on
        ReportDocument receipt(c.layout);
        fillReceipt(receipt, content);
        receipt.setDataSource(m_lines);
        const QStringList printed = receipt.printedLines();
        for (const QString &line : c.printed) {
            const QString label = line.section('=', 0, 0);
            if (line.contains('='))
                EXPECT_EQ(receipt.text(label == "LabelDate" ? Header : "Section5", label), line.section('=', 1));
            else
                EXPECT_TRUE(printed.contains(line))
                    << line.toStdString() << " in " << printed.join(" | ").toStdString();
        }
        for (const QString &line : delivery + QStringList{"Fahrer: Bitte Wählen"})
            EXPECT_TRUE(c.printed.contains(line) || !printed.contains(line)) << line.toStdString() << " is printed";
    }
}

TEST(Invoice, PrintsTheAccountPaymentAndTheBalanceOnlyWhenThereIsOne)
{
    // clang-format off
    InvoiceContent content = {.shop = {"Bäckerei Sonnenschein", {}, {}, {}, {}, {}}, .customerName = "Meier",
                              .date = QDate(2026, 12, 6), .cashier = "ANNA", .balanceBefore = "100,00",
                              .tendered = "50,00", .change = "20,00", .paid = "30",
                              .balanceAfter = Money::fromCents(7000)};
    // clang-format on
    ReportDocument invoice(invoiceLayout());
    fillInvoice(invoice, content);
    EXPECT_EQ(invoice.printedLines().mid(0, 8),
              QStringList({"Bäckerei Sonnenschein", "Adr", "BLZ", "Kundenname: Meier Datum: 06.12.2026",
                           "Current Balance 100,00 Cash 50,00", "Amount Paid 30 Change 20,00", "Rem. Balance 70,00",
                           "Kassierer: ANNA"}));

    // An amount paid that is no number leaves the remaining balance unprinted.
    content.balanceAfter.reset();
    ReportDocument unreadable(invoiceLayout());
    fillInvoice(unreadable, content);
    EXPECT_EQ(unreadable.text("Section4", "LabelBalance"), "Total");
}
