#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "data/datacontrol.h"
#include "platform/locale.h"
#include "platform/reportdocument.h"
#include "platform/reportformat.h"
#include "support/fixture.h"

using ::testing::ElementsAre;

namespace {

// clang-format off
report::Layout receiptLayout(report::PageSetup page = report::PageSetup::a4())
{
    using enum report::Kind;
    return {.name = "ReceiptReport", .title = "Receipt", .page = page,
            .formats = {{"a", "#.##0,00 \"€\""}},
            .bands = {{"Section4", 600}, {"Section1", 285}, {"Section5", 600}},
            .controls = {
                // Section   Control        Kind   Design text or field  Left  Top Width Height Notes
                {"Section4", "Label1",      Label, "Fa",                    0,   0, 5102, 285, "centred"},
                {"Section4", "LabelDate",   Label, "Total",              4000, 300, 1100, 285},
                {"Section4", "Line1",       Line,  "",                      0, 590, 5100,   0},
                {"Section1", "Text3",       Field, "Quantity",             40,   0,  647, 285, "centred"},
                {"Section1", "Text2",       Field, "Desc",                700,   0, 3000, 285},
                {"Section1", "Text5",       Field, "Ext",                3900,   0, 1100, 285, "right-aligned, format (a)"},
                {"Section5", "lblTotal",    Label, "Total",              2835,   0,  750, 240},
                {"Section5", "LabelTotal",  Label, "Total",              3750,   0, 1296, 240, "right-aligned"},
                {"Section5", "LabelCredit", Label, "Lieferung an:",       144, 300, 2265, 285, "hidden, red", "Arial 9.75 bold"},
            }};
}
// clang-format on

class ReportTest : public DatabaseTest
{
protected:
    void addProduct(int id, const QString &description)
    {
        exec(QStringLiteral("INSERT INTO Products (ProductID, Description) VALUES (?1, ?2)"), {id, description});
    }
    void addLine(int sale, int product, double quantity, qint64 priceCents)
    {
        exec(QStringLiteral("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (?1,?2,?3,?4)"),
             {sale, product, quantity, priceCents});
    }
};

} // namespace

TEST(ReportFormat, GermanPatternsOfTheLayouts)
{
    using report::formatValue;
    const QString euro = QStringLiteral("#.##0,00 \"€\"");
    EXPECT_EQ(formatValue(euro, QStringLiteral("1234,5")), QStringLiteral("1.234,50 €"));
    EXPECT_EQ(formatValue(euro, QStringLiteral("0,5")), QStringLiteral("0,50 €"));
    EXPECT_EQ(formatValue(euro, QStringLiteral("1.234.567,891")), QStringLiteral("1.234.567,89 €"));
    EXPECT_EQ(formatValue(euro, QStringLiteral("-3,5")), QStringLiteral("-3,50 €"));
    EXPECT_EQ(formatValue(euro, QStringLiteral("-0,001")), QStringLiteral("0,00 €"));
    EXPECT_EQ(formatValue(QStringLiteral("0,00"), QStringLiteral("1234,5")), QStringLiteral("1234,50"));
    EXPECT_EQ(formatValue(QStringLiteral("0,00"), QStringLiteral("0,5")), QStringLiteral("0,50"));
    EXPECT_EQ(formatValue(QStringLiteral("0,00"), QStringLiteral("2,345")), QStringLiteral("2,35"));
    EXPECT_EQ(formatValue(QStringLiteral("0"), QStringLiteral("2,5")), QStringLiteral("3"));
    EXPECT_EQ(formatValue(QStringLiteral("0,0#"), QStringLiteral("2,5")), QStringLiteral("2,5"));
    // The receipts' total pattern agrees with the locale's own "#,###.00".
    for (const qint64 cents : {50, 0, 1234567, -250, 100000})
        EXPECT_EQ(formatValue(QStringLiteral("#.###,00"), de::formatNumber(Money::fromCents(cents))),
                  de::formatGrouped2(Money::fromCents(cents)));
    // What is not a number prints as it is.
    EXPECT_EQ(formatValue(euro, QStringLiteral("Brötchen")), QStringLiteral("Brötchen"));
    EXPECT_EQ(formatValue(euro, QString()), QString());
    EXPECT_EQ(formatValue(QString(), QStringLiteral("1234,5")), QStringLiteral("1234,5"));
}

TEST(ReportLayout, FaultsInATableNameTheirRow)
{
    auto withNote = [](const QString &notes) {
        report::Layout layout = receiptLayout();
        layout.controls.push_back({"Section1", "Text9", report::Kind::Field, "Ext", 0, 0, 10, 10, notes});
        return layout;
    };
    EXPECT_NO_THROW(report::compile(withNote(QStringLiteral("Centred, &H000000FF, format (A)"))));
    EXPECT_THROW(report::compile(withNote(QStringLiteral("centered"))), report::Error);
    EXPECT_THROW(report::compile(withNote(QStringLiteral("format (b)"))), report::Error);
    try {
        report::compile(withNote(QStringLiteral("blinking")));
        FAIL() << "an unknown note was taken";
    } catch (const report::Error &error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("Section1.Text9"));
    }

    report::Layout twice = receiptLayout();
    twice.controls.push_back({"section4", "LABEL1", report::Kind::Label, "x", 0, 0, 10, 10});
    EXPECT_THROW(report::compile(twice), report::Error);
    report::Layout badBand = receiptLayout();
    badBand.controls.push_back({"Section6", "Label1", report::Kind::Label, "x", 0, 0, 10, 10});
    EXPECT_THROW(report::compile(badBand), report::Error);
    report::Layout badFont = receiptLayout();
    badFont.baseFont = QStringLiteral("Arial bold 9");
    EXPECT_THROW(report::compile(badFont), report::Error);

    const report::Font font = report::parseFont(QStringLiteral("Arial Narrow 9.75 bold"));
    EXPECT_EQ(font.family, QStringLiteral("Arial Narrow"));
    EXPECT_DOUBLE_EQ(font.points, 9.75);
    EXPECT_TRUE(font.bold);
    const report::Design design = report::compile(receiptLayout());
    const report::Control &credit = design.band(report::BandRole::ReportFooter).controls.back();
    EXPECT_EQ(credit.rgb, 0xFF0000u);
    EXPECT_FALSE(credit.visible);
}

TEST_F(ReportTest, LabelsAreSetByBandAndNameInAnyLetterCase)
{
    ReportDocument receipt(receiptLayout());
    receipt.setText(QStringLiteral("section4"), QStringLiteral("label1"), QStringLiteral("Bäckerei Müller"));
    receipt.setText(QStringLiteral("SECTION4"), QStringLiteral("labeldate"), QStringLiteral("06.12.2026"));
    receipt.setText(QStringLiteral("section5"), QStringLiteral("LABELTOTAL"), QStringLiteral("1.234,50"));
    EXPECT_EQ(receipt.text(QStringLiteral("Section4"), QStringLiteral("Label1")), QStringLiteral("Bäckerei Müller"));
    EXPECT_THAT(receipt.printedLines(), ElementsAre(QStringLiteral("Bäckerei Müller"), QStringLiteral("06.12.2026"),
                                                    QStringLiteral("Total 1.234,50")));

    // A name the layout lacks is a fault that shows, not a quiet no-op.
    EXPECT_THROW(receipt.setText(QStringLiteral("section4"), QStringLiteral("label99"), {}), report::Error);
    EXPECT_THROW(receipt.setText(QStringLiteral("section9"), QStringLiteral("label1"), {}), report::Error);
    EXPECT_THROW(receipt.setVisible(QStringLiteral("section5"), QStringLiteral("lbfahrer"), true), report::Error);
    EXPECT_THROW(receipt.setText(QStringLiteral("section1"), QStringLiteral("text2"), {}), report::Error);
}

TEST_F(ReportTest, HiddenControlsDoNotPrint)
{
    ReportDocument receipt(receiptLayout());
    EXPECT_FALSE(receipt.printedLines().contains(QStringLiteral("Lieferung an:")));
    receipt.setVisible(QStringLiteral("section5"), QStringLiteral("labelcredit"), true);
    EXPECT_TRUE(receipt.printedLines().contains(QStringLiteral("Lieferung an:")));
    receipt.setVisible(QStringLiteral("Section4"), QStringLiteral("Label1"), false);
    receipt.setVisible(QStringLiteral("Section4"), QStringLiteral("Line1"), false);
    EXPECT_FALSE(receipt.printedLines().contains(QStringLiteral("Fa")));
    const std::vector<report::Page> pages = receipt.pages();
    for (const report::PrintedItem &item : pages.front().items)
        EXPECT_NE(item.control, QStringLiteral("Line1"));
}

TEST_F(ReportTest, DetailPrintsOneLinePerRecordOfAFilteredSource)
{
    addProduct(1, QStringLiteral("Brötchen"));
    addProduct(2, QStringLiteral("Kaffee"));
    addLine(7, 1, 3, 35);
    addLine(7, 2, 1, 123450);
    addLine(8, 1, 10, 35);
    DataControl receiptLines(QStringLiteral("Receipt"));
    ASSERT_TRUE(receiptLines.refresh());
    receiptLines->setFilter({{QStringLiteral("salesid"), QStringLiteral("7")}});
    receiptLines->moveNext(); // the screen's current row must survive the printing

    ReportDocument receipt(receiptLayout());
    receipt.setDataSource(receiptLines);
    EXPECT_THAT(receipt.printedLines(),
                ElementsAre(QStringLiteral("Fa"), QStringLiteral("Total"), QStringLiteral("3 Brötchen 1,05 €"),
                            QStringLiteral("1 Kaffee 1.234,50 €"), QStringLiteral("Total Total")));
    EXPECT_EQ(receiptLines->position(), 1);

    // The report reads the source as it stands when printed.
    receiptLines->setFilter({{QStringLiteral("salesid"), QStringLiteral("9")}});
    EXPECT_THAT(receipt.printedLines(),
                ElementsAre(QStringLiteral("Fa"), QStringLiteral("Total"), QStringLiteral("Total Total")));

    report::Layout wrongColumn = receiptLayout();
    wrongColumn.controls.push_back({"Section1", "Text9", report::Kind::Field, "Preis", 0, 0, 10, 10});
    ReportDocument faulty(wrongColumn);
    EXPECT_THROW(faulty.setDataSource(receiptLines), report::Error);
}

TEST_F(ReportTest, ALongReportRepeatsItsPageHeaderOnEveryPage)
{
    for (int i = 1; i <= 80; ++i) {
        addProduct(i, QStringLiteral("Artikel %1").arg(i));
        addLine(1, i, 1, 100 * i);
    }
    DataControl receiptLines(QStringLiteral("Receipt"));
    ASSERT_TRUE(receiptLines.refresh());

    report::Layout layout = receiptLayout(report::PageSetup::a5());
    layout.bands.push_back({"Section2", 300});
    layout.bands.push_back({"Section3", 300});
    layout.controls.push_back({"Section2", "Label6", report::Kind::Label, "Anz Beschreibung", 0, 0, 3000, 285});
    layout.controls.push_back({"Section3", "Label7", report::Kind::Label, "Seitenfuß", 0, 0, 3000, 285});
    ReportDocument report(layout);
    report.setDataSource(receiptLines);

    const std::vector<report::Page> pages = report.pages();
    const std::vector<QStringList> printed = report.printedPages();
    ASSERT_GE(printed.size(), 3u);
    QStringList details;
    for (size_t p = 0; p < printed.size(); ++p) {
        const QStringList &lines = printed[p];
        const qsizetype header = p == 0 ? 2 : 0; // the report header comes first, once
        EXPECT_EQ(lines.value(header), QStringLiteral("Anz Beschreibung")) << "page " << p + 1;
        EXPECT_EQ(lines.last(), QStringLiteral("Seitenfuß")) << "page " << p + 1;
        EXPECT_EQ(lines.contains(QStringLiteral("Fa")), p == 0);
        EXPECT_EQ(lines.contains(QStringLiteral("Total Total")), p == printed.size() - 1);
        for (const QString &line : lines)
            if (line.contains(QStringLiteral("Artikel")))
                details << line;
        for (const report::PrintedItem &item : pages[p].items)
            EXPECT_LE(item.top + item.height, pages[p].height - report::PageSetup::a5().margin) << "page " << p + 1;
    }
    ASSERT_EQ(details.size(), 80);
    EXPECT_EQ(details.first(), QStringLiteral("1 Artikel 1 1,00 €"));
    EXPECT_EQ(details.last(), QStringLiteral("1 Artikel 80 80,00 €"));
}

TEST_F(ReportTest, ATillRollIsOnePageAsLongAsItsContent)
{
    for (int i = 1; i <= 50; ++i) {
        addProduct(i, QStringLiteral("Artikel %1").arg(i));
        addLine(1, i, 1, 100);
    }
    DataControl receiptLines(QStringLiteral("Receipt"));
    ASSERT_TRUE(receiptLines.refresh());
    ReportDocument bon(receiptLayout(report::PageSetup::tillRoll80mm()));
    bon.setDataSource(receiptLines);
    const std::vector<report::Page> pages = bon.pages();
    ASSERT_EQ(pages.size(), 1u);
    const int margin = report::PageSetup::tillRoll80mm().margin;
    EXPECT_EQ(pages[0].height, margin + 600 + 50 * 285 + 600 + margin);
    EXPECT_EQ(pages[0].width, 4535); // 80 mm
}
