#include <array>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "data/datacontrol.h"
#include "data/reportdocument.h"
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
    // Receipt 1 with the lines "1 Artikel i" at i euros.
    void addLines(int lines)
    {
        for (int i = 1; i <= lines; ++i) {
            exec("INSERT INTO Products (ProductID, Description) VALUES (?1, ?2)",
                 {i, QStringLiteral("Artikel %1").arg(i)});
            exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (1, ?1, 1, ?2)",
                 {i, 100 * i});
        }
        ASSERT_TRUE(m_lines.refresh());
    }

    DataControl m_lines{QStringLiteral("Receipt")};
};

// The fault a layout table raises; empty when it compiles.
std::string compileFault(const report::Layout &layout)
{
    try {
        report::compile(layout);
        return {};
    } catch (const report::Error &error) {
        return error.what();
    }
}

} // namespace

TEST(ReportFormat, GermanPatternsOfTheLayouts)
{
    const QString euro = QStringLiteral("#.##0,00 \"€\"");
    // clang-format off
    const std::vector<std::array<QString, 3>> cases = {
        // pattern  value            printed
        {euro,   "1234,5",          "1.234,50 €"},     {euro,   "0,5",   "0,50 €"},  {euro, "-3,5", "-3,50 €"},
        {euro,   "1.234.567,891",   "1.234.567,89 €"}, {euro,   "-0,001", "0,00 €"},
        {"0,00", "1234,5",          "1234,50"},        {"0,00", "0,5",   "0,50"},    {"0,00", "2,345", "2,35"},
        {"0",    "2,5",             "3"},              {"0,0#", "2,5",   "2,5"},
        // What is not a number prints as it is.
        {euro,   "Brötchen",        "Brötchen"},       {euro,   "",      ""},        {"",   "1234,5", "1234,5"},
        // The receipts' total, without a zero before the comma.
        {"#.###,00", "0,5",         ",50"},            {"#.###,00", "0", ",00"},    {"#.###,00", "-2,5", "-2,50"},
        {"#.###,00", "1.234.567",   "1.234.567,00"},   {"#.###,00", "1000", "1.000,00"},
    };
    // clang-format on
    for (const auto &[pattern, value, printed] : cases)
        EXPECT_EQ(report::formatValue(pattern, value), printed) << pattern.toStdString() << " " << value.toStdString();
}

TEST(ReportLayout, FaultsInATableNameTheirRow)
{
    using enum report::Kind;
    auto withText9 = [](const QString &notes) {
        report::Layout layout = receiptLayout();
        layout.controls.push_back({"Section1", "Text9", Field, "Ext", 0, 0, 10, 10, notes});
        return layout;
    };
    EXPECT_EQ(compileFault(withText9("Centred, &H000000FF, format (A)")), "");
    for (const char *notes : {"centered", "format (b)", "blinking"})
        EXPECT_THAT(compileFault(withText9(notes)), ::testing::HasSubstr("Section1.Text9")) << notes;
    report::Layout twice = receiptLayout(), badBand = receiptLayout(), badFont = receiptLayout();
    twice.controls.push_back({"section4", "LABEL1", Label, "x", 0, 0, 10, 10});
    badBand.controls.push_back({"Section6", "Label1", Label, "x", 0, 0, 10, 10});
    badFont.baseFont = "Arial bold 9";
    for (const report::Layout &faulty : {twice, badBand, badFont})
        EXPECT_NE(compileFault(faulty), "");

    const report::Font font = report::parseFont(QStringLiteral("Arial Narrow 9.75 bold"));
    EXPECT_EQ(font.family, QStringLiteral("Arial Narrow"));
    EXPECT_DOUBLE_EQ(font.points, 9.75);
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(report::compile(receiptLayout()).band(report::BandRole::ReportFooter).controls.back().rgb, 0xFF0000u);
}

TEST_F(ReportTest, LabelsAreSetByBandAndNameInAnyLetterCase)
{
    ReportDocument receipt(receiptLayout());
    receipt.setText(QStringLiteral("section4"), QStringLiteral("label1"), QStringLiteral("Bäckerei Müller"));
    receipt.setText(QStringLiteral("SECTION4"), QStringLiteral("labeldate"), QStringLiteral("06.12.2026"));
    receipt.setText(QStringLiteral("section5"), QStringLiteral("LABELTOTAL"), QStringLiteral("1.234,50"));
    EXPECT_THAT(receipt.printedLines(), ElementsAre(QStringLiteral("Bäckerei Müller"), QStringLiteral("06.12.2026"),
                                                    QStringLiteral("Total 1.234,50")));

    // A name the layout lacks is a fault that shows, not a quiet no-op.
    EXPECT_THROW(receipt.setText(QStringLiteral("section4"), QStringLiteral("label99"), {}), report::Error);
    EXPECT_THROW(receipt.setText(QStringLiteral("section9"), QStringLiteral("label1"), {}), report::Error);
    EXPECT_THROW(receipt.setVisible(QStringLiteral("section5"), QStringLiteral("lbfahrer"), true), report::Error);
    EXPECT_THROW(receipt.setText(QStringLiteral("section1"), QStringLiteral("text2"), {}), report::Error);
}

// Hidden controls and what shows them: see receipts_test.cpp.
TEST_F(ReportTest, DetailPrintsOneLinePerRecordOfAFilteredSource)
{
    exec("INSERT INTO Products (ProductID, Description) VALUES (1, 'Brötchen'), (2, 'Kaffee')");
    exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice)"
         " VALUES (7, 1, 3, 35), (7, 2, 1, 123450), (8, 1, 10, 35)");
    ASSERT_TRUE(m_lines.refresh());
    m_lines->setFilter({{QStringLiteral("salesid"), QStringLiteral("7")}});
    m_lines->moveNext(); // the screen's current row must survive the printing

    ReportDocument receipt(receiptLayout());
    receipt.setDataSource(m_lines);
    EXPECT_THAT(receipt.printedLines(),
                ElementsAre(QStringLiteral("Fa"), QStringLiteral("Total"), QStringLiteral("3 Brötchen 1,05 €"),
                            QStringLiteral("1 Kaffee 1.234,50 €"), QStringLiteral("Total Total")));
    EXPECT_EQ(m_lines->position(), 1);

    // The report reads the source as it stands when printed.
    m_lines->setFilter({{QStringLiteral("salesid"), QStringLiteral("9")}});
    EXPECT_THAT(receipt.printedLines(),
                ElementsAre(QStringLiteral("Fa"), QStringLiteral("Total"), QStringLiteral("Total Total")));

    report::Layout wrongColumn = receiptLayout();
    wrongColumn.controls.push_back({"Section1", "Text9", report::Kind::Field, "Preis", 0, 0, 10, 10});
    ReportDocument faulty(wrongColumn);
    EXPECT_THROW(faulty.setDataSource(m_lines), report::Error);
}

TEST_F(ReportTest, ALongReportRepeatsItsPageHeaderOnEveryPage)
{
    addLines(80);
    report::Layout layout = receiptLayout(report::PageSetup::a5());
    layout.bands.insert(layout.bands.end(), {{"Section2", 300}, {"Section3", 300}});
    layout.controls.push_back({"Section2", "Label6", report::Kind::Label, "Anz Beschreibung", 0, 0, 3000, 285});
    layout.controls.push_back({"Section3", "Label7", report::Kind::Label, "Seitenfuß", 0, 0, 3000, 285});
    ReportDocument report(layout);
    report.setDataSource(m_lines);

    const std::vector<report::Page> pages = report.pages();
    const std::vector<QStringList> printed = report.printedPages();
    ASSERT_GE(printed.size(), 3u);
    QStringList details;
    for (size_t p = 0; p < printed.size(); ++p) {
        SCOPED_TRACE(testing::Message() << "page " << p + 1);
        const QStringList &lines = printed[p];
        EXPECT_EQ(lines.value(p == 0 ? 2 : 0), QStringLiteral("Anz Beschreibung")); // after the report header, once
        EXPECT_EQ(lines.last(), QStringLiteral("Seitenfuß"));
        EXPECT_EQ(lines.contains(QStringLiteral("Fa")), p == 0);
        EXPECT_EQ(lines.contains(QStringLiteral("Total Total")), p == printed.size() - 1);
        details << lines.filter(QStringLiteral("Artikel"));
        for (const report::PrintedItem &item : pages[p].items)
            EXPECT_LE(item.top + item.height, pages[p].height - report::PageSetup::a5().margin);
    }
    ASSERT_EQ(details.size(), 80);
    EXPECT_EQ(details.first(), QStringLiteral("1 Artikel 1 1,00 €"));
    EXPECT_EQ(details.last(), QStringLiteral("1 Artikel 80 80,00 €"));

    // A page laid out on its own, as the preview shows it, is that same page.
    const report::LaidOutPages laidOut = report.layOut();
    ASSERT_EQ(laidOut.count(), static_cast<int>(printed.size()));
    for (int p = laidOut.count() - 1; p >= 0; --p)
        EXPECT_EQ(report::textLines(laidOut.page(p)), printed[static_cast<std::size_t>(p)]) << "page " << p + 1;
}

TEST_F(ReportTest, ATillRollIsOnePageAsLongAsItsContent)
{
    addLines(50);
    ReportDocument bon(receiptLayout(report::PageSetup::tillRoll80mm()));
    bon.setDataSource(m_lines);
    const std::vector<report::Page> pages = bon.pages();
    ASSERT_EQ(pages.size(), 1u);
    const int margin = report::PageSetup::tillRoll80mm().margin;
    EXPECT_EQ(pages[0].height, margin + 600 + 50 * 285 + 600 + margin);
    EXPECT_EQ(pages[0].width, 4535); // 80 mm
}

namespace {

// Every character 100 twips wide, every line 200 high: what fits is plain to see.
class EvenMetrics : public report::TextMetrics
{
public:
    double advance(const report::Font &, QStringView) const override { return 100; }
    int lineHeight(const report::Font &) const override { return 200; }
};

} // namespace

TEST(ReportText, TextIsBrokenAtBlanksAndHyphensAndCutWhereTheBoxEnds)
{
    const EvenMetrics metrics;
    const report::Font font;
    struct Case
    {
        QString text;
        int width; // characters
        int maxLines;
        QStringList lines;
    };
    const QString cut = QString(report::CutMark);
    // clang-format off
    const std::vector<Case> cases = {
        {"Pizza Salami",               12, 1, {"Pizza Salami"}},
        {"Pizza Salami",               11, 1, {"Pizza Sala" + cut}},
        {"Pizza Salami",               11, 9, {"Pizza", "Salami"}},
        {"Pizza Salami groß",          11, 2, {"Pizza", "Salami groß"}},
        {"Pizza Salami mit Käse",      11, 2, {"Pizza", "Salami mit" + cut}},
        {"Müller-Lüdenscheidt",        10, 9, {"Müller-", "Lüdenschei", "dt"}},
        {"Kassiererin-Schäfer",        12, 9, {"Kassiererin-", "Schäfer"}},
        {"Anna Kassiererin-Schäfer",   18, 9, {"Anna Kassiererin-", "Schäfer"}},
        {"-5 Rabatt-",                 20, 9, {"-5 Rabatt-"}},
        {"12345/67890/12345",           6, 9, {"12345/", "67890/", "12345"}},
        {"12345/67890/12345",           6, 1, {"12345" + cut}},
        {"Zeile eins\nZeile zwei",     20, 9, {"Zeile eins", "Zeile zwei"}},
        {"Zeile eins\nZeile zwei",     20, 1, {"Zeile eins Zeile zw" + cut}},
        {"Wort",                        1, 9, {"W", "o", "r", "t"}},
        {"Wort",                        1, 1, {cut}},
        {"Über 😀 Ärger",               5, 9, {"Über", "😀", "Ärger"}},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(report::fitText(metrics, font, c.text, c.width * 100, c.maxLines), c.lines)
            << c.text.toStdString() << " in " << c.width << " characters, " << c.maxLines << " lines";
}

TEST(ReportText, ATextThatCanGrowPushesDownWhatLiesBelowItAndItsBandGrows)
{
    using enum report::Kind;
    // clang-format off
    const report::Layout layout = {
        .name = "Grow", .title = "Grow", .page = report::PageSetup::tillRoll80mm(),
        .bands = {{"Section4", 1000}, {"Section1", 300}, {"Section5", 300}},
        .controls = {
            // Section   Control   Kind   Text or field          Left  Top Width Height Notes
            {"Section4", "Name",   Label, "Pizzeria Da Giuseppe",   0,   0, 1000, 400, "centred, can grow"},
            {"Section4", "Street", Label, "Markt 1",                0, 300, 1000, 200, "can grow"},
            {"Section4", "Phone",  Label, "030 123 456 789",        0, 500, 1000, 200},
            {"Section4", "Date",   Label, "Datum",               2000, 300, 1000, 200},
            {"Section4", "Line1",  Line,  "",                       0, 900, 3000,   0},
            {"Section1", "Desc",   Field, "Desc",                   0,   0, 1000, 300, "can grow"},
            {"Section1", "Price",  Field, "Ext",                 1100,   0,  500, 300, "right-aligned"},
            {"Section5", "Total",  Label, "Summe",                  0,   0, 1000, 300},
        }};
    // clang-format on
    const report::Records records{{"desc", "ext"}, {{"Pizza Quattro Formaggi", "12,50"}, {"Cola", "2,00"}}};
    const report::LaidOutPages laidOut(report::compile(layout), records, std::make_shared<EvenMetrics>());
    ASSERT_EQ(laidOut.count(), 1);
    const report::Page page = laidOut.page(0);
    const int margin = layout.page.margin;
    auto top = [&](const QString &control, int nth = 0) {
        for (const report::PrintedItem &item : page.items)
            if (item.control == control && nth-- == 0)
                return item.top - margin;
        return -1;
    };
    // The name takes three lines (600 twips): all below it in its band moves down
    // as far as its last line reaches past the street's top (300), by 300.
    EXPECT_EQ(top("Name"), 0);
    EXPECT_EQ(top("Street"), 600);
    EXPECT_EQ(top("Date"), 600); // beside the street, moved with it
    EXPECT_EQ(top("Phone"), 800);
    EXPECT_EQ(top("Line1"), 1200);
    // The phone cannot grow and is cut; the band grew by 300 and the detail
    // line by one line of its description, with the price at its first line.
    const QStringList printed = report::textLines(page);
    EXPECT_EQ(printed,
              (QStringList{"Pizzeria", "Da", "Giuseppe", "Markt 1 Datum", "030 123 4" + QString(report::CutMark),
                           "Pizza 12,50", "Quattro", "Formaggi", "Cola 2,00", "Summe"}));
    EXPECT_EQ(top("Desc"), 1300);
    EXPECT_EQ(top("Price"), 1300);
    EXPECT_EQ(top("Desc", 1), 1300 + 600);
    EXPECT_EQ(top("Total"), 1300 + 600 + 300);
    EXPECT_EQ(page.height, margin + 1300 + 600 + 300 + 300 + margin);
}

TEST_F(ReportTest, PagesBreakWhereTheGrownLinesEnd)
{
    addLines(60);
    exec("UPDATE Products SET Description = 'Ein sehr langer Artikelname, der über zwei Zeilen geht ' || ProductID");
    ASSERT_TRUE(m_lines.refresh());
    report::Layout layout = receiptLayout(report::PageSetup::a5());
    for (report::ControlRow &row : layout.controls)
        if (row.control == QLatin1String("Text2"))
            row.notes = QStringLiteral("can grow");
    ReportDocument report(layout, std::make_shared<EvenMetrics>());
    report.setDataSource(m_lines);
    const std::vector<report::Page> pages = report.pages();
    ASSERT_GT(pages.size(), 1u);
    int descriptions = 0;
    for (const report::Page &page : pages)
        for (const report::PrintedItem &item : page.items) {
            const int lines = static_cast<int>(item.text.count(u'\n')) + 1;
            EXPECT_LE(item.top + std::max(item.height, lines * item.lineHeight),
                      page.height - report::PageSetup::a5().margin)
                << item.text.toStdString();
            if (item.control == QLatin1String("Text2")) {
                EXPECT_EQ(lines, 2);
                ++descriptions;
            }
        }
    EXPECT_EQ(descriptions, 60);

    // The preview lays out one page at a time from where the pages were
    // worked out to break: the same pages.
    const report::LaidOutPages laidOut = report.layOut();
    ASSERT_EQ(laidOut.count(), static_cast<int>(pages.size()));
    for (int p = 0; p < laidOut.count(); ++p)
        EXPECT_EQ(report::textLines(laidOut.page(p)), report::textLines(pages[static_cast<std::size_t>(p)]))
            << "page " << p + 1;
}
