// Every printed layout, filled with the longest texts a shop has and the
// largest amounts, painted as on paper: no two texts on the same spot, every
// text on its page and inside its box, nothing cut that must be read whole.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <functional>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextItem>

#include "data/datacontrol.h"
#include "data/ui/report.h"
#include "platform/reporttext.h"
#include "platform/ui/reportpainter.h"
#include "platform/ui/reportpreview.h"
#include "reports/reportlayouts.h"
#include "reports/reportqueries.h"
#include "support/fixture.h"
#include "till/receipts.h"

namespace {

// What a painter put on paper: each run of text with the box its glyphs take
// (advance by ascent plus descent) and the clip it was painted under.
struct PaintedText
{
    QString text;
    QRectF rect;
    QRectF clip; // empty: none
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() &
            (QPaintEngine::DirtyClipPath | QPaintEngine::DirtyClipRegion | QPaintEngine::DirtyClipEnabled)) {
            if (!state.isClipEnabled() || state.clipOperation() == Qt::NoClip)
                m_clip = QRectF();
            else if (state.state() & QPaintEngine::DirtyClipPath)
                m_clip = state.clipPath().boundingRect();
            else if (state.state() & QPaintEngine::DirtyClipRegion)
                m_clip = state.clipRegion().boundingRect();
        }
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &baseline, const QTextItem &item) override
    {
        texts.push_back(
            {item.text(),
             QRectF(baseline.x(), baseline.y() - item.ascent(), item.width(), item.ascent() + item.descent()), m_clip});
    }

    std::vector<PaintedText> texts;

private:
    QRectF m_clip;
};

// A sheet of one dot per twip that records what is painted on it.
class RecordingPage : public QPaintDevice
{
public:
    RecordingPage(int width, int height) : m_width(width), m_height(height) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    std::vector<PaintedText> &texts() { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_width;
        case PdmHeight:
            return m_height;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 1440;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 1;
        }
    }

private:
    int m_width;
    int m_height;
    mutable RecordingEngine m_engine;
};

// A rounding error of a glyph's edge is no overlap.
constexpr double Slack = 1.0; // twips

bool overlap(const QRectF &a, const QRectF &b)
{
    return a.left() < b.right() - Slack && b.left() < a.right() - Slack && a.top() < b.bottom() - Slack &&
           b.top() < a.bottom() - Slack;
}

bool inside(const QRectF &inner, const QRectF &outer)
{
    return inner.left() >= outer.left() - Slack && inner.right() <= outer.right() + Slack &&
           inner.top() >= outer.top() - Slack && inner.bottom() <= outer.bottom() + Slack;
}

std::string describe(const PaintedText &text)
{
    return QStringLiteral("\"%1\" at %2,%3 %4x%5")
        .arg(text.text)
        .arg(text.rect.left())
        .arg(text.rect.top())
        .arg(text.rect.width())
        .arg(text.rect.height())
        .toStdString();
}

// Paints every page of a report as the printer does and checks what landed
// on paper; returns what each page printed, as texts, for further checks.
std::vector<report::Page> expectFitsOnPaper(const Report &report)
{
    const report::LaidOutPages pages = report.layOut();
    std::vector<report::Page> laidOut;
    for (int p = 0; p < pages.count(); ++p) {
        SCOPED_TRACE(QStringLiteral("%1, page %2").arg(report.name()).arg(p + 1).toStdString());
        const report::Page page = pages.page(p);
        RecordingPage sheet(page.width, page.height);
        {
            QPainter painter(&sheet);
            report::paintPage(painter, page);
        }
        const std::vector<PaintedText> &texts = sheet.texts();
        EXPECT_FALSE(texts.empty());
        const QRectF paper(0, 0, page.width, page.height);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(inside(texts[i].rect, paper)) << "off the page: " << describe(texts[i]);
            // A text wider or taller than its box would be clipped without a mark.
            EXPECT_TRUE(!texts[i].clip.isEmpty() && inside(texts[i].rect, texts[i].clip))
                << "outside its box: " << describe(texts[i]);
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(overlap(texts[i].rect, texts[j].rect))
                    << describe(texts[i]) << " overlaps " << describe(texts[j]);
        }
        // What the layout says it prints holds the same: no two texts' rectangles meet.
        std::vector<const report::PrintedItem *> items;
        for (const report::PrintedItem &item : page.items)
            if (item.kind != report::Kind::Line)
                items.push_back(&item);
        auto rect = [](const report::PrintedItem *item) {
            return QRect(item->left, item->top, item->width, item->height);
        };
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_TRUE(QRect(0, 0, page.width, page.height).contains(rect(items[i])))
                << items[i]->control.toStdString() << " off the page";
            for (std::size_t j = i + 1; j < items.size(); ++j)
                EXPECT_FALSE(rect(items[i]).intersects(rect(items[j])))
                    << items[i]->control.toStdString() << " meets " << items[j]->control.toStdString();
        }
        laidOut.push_back(page);
    }
    return laidOut;
}

// The printed texts of the named controls, on every page.
QStringList printedBy(const std::vector<report::Page> &pages, const QStringList &controls)
{
    QStringList texts;
    for (const report::Page &page : pages)
        for (const report::PrintedItem &item : page.items)
            if (controls.contains(item.control, Qt::CaseInsensitive))
                texts << item.text;
    return texts;
}

// A text that was broken into lines, read as one again: a line that ends
// in a hyphen was broken after it.
QString whole(const QString &printed)
{
    return QString(printed).replace(QStringLiteral("-\n"), QStringLiteral("-")).replace(u'\n', u' ');
}

// The longest texts a shop gives its layouts: a 38-character shop name, in
// mixed and in capital letters (the widest), 42-character product names, a
// cashier's name with umlauts and a hyphen.
const QStringList ShopNames = {QStringLiteral("Ristorante Pizzeria Da Giuseppe Müller"),
                               QStringLiteral("MÜLLERS WÜRZIGE WELT DER PIZZA & WEINE")};
const QStringList ProductNames = {QStringLiteral("Pizza Quattro Formaggi mit Gorgonzola groß"),
                                  QStringLiteral("Überbackene Käsespätzle mit Röstzwiebeln L"),
                                  QStringLiteral("WÜRZIGE MAXI-PIZZA MIT ÄPFELN UND WALNÜSSEN")};
const QString Cashier = QStringLiteral("Anna Kassiererin-Schäfer");
const QString Street = QStringLiteral("Wolfgang-Amadeus-Mozart-Straße 123a, Hinterhaus");
const QString Place = QStringLiteral("79999 Villingen-Schwenningen-Mühlhausen");

// The receipt's forms and their paper in points; a height of 0: a piece of
// roll as long as the receipt.
struct ReceiptForm
{
    QString name;
    std::function<report::Layout()> layout;
    double width;
    double height;
};
const ReceiptForm ReceiptForms[] = {
    {"A4", [] { return receiptReportLayout(report::PageSetup::a4()); }, 595.3, 841.9},
    {"A5", [] { return receiptReportLayout(report::PageSetup::a5()); }, 419.5, 595.3},
    {"Bon", [] { return receiptReportBonLayout(); }, 226.8, 0},
};

// The largest figures the layouts are made for: 9999 pieces (the till's
// largest quantity), a unit price and a line of 9.999,99, a sale of
// 99.999,99 and report sums of 9.999.999,99.
class PaperFitTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        for (int i = 0; i < ProductNames.size(); ++i)
            exec("INSERT INTO Products (ProductID, Description, Category, Size, Quantity, OrderPrice, SalesPrice)"
                 " VALUES (?1, ?2, 'Überbackene Spezialitäten', 'Familienpizza 45 cm', 9999, 99999, 99999)",
                 {i + 1, ProductNames[i]});
        // A sale: a line of the largest quantity, one of the largest price and amount.
        exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES"
             " (7, 1, 9999, 100), (7, 2, 10, 99999), (7, 3, 1, 999999)");
        for (int i = 1; i <= 3; ++i)
            exec("INSERT INTO Deliveries VALUES (?1, ?2, 9999, 99999, '2026-12-06')", {1000000 + i, i});
        exec("INSERT INTO Customer (CustomerID, Customername, Address, Place, ContactNumber, accountbalance)"
             " VALUES (1, ?1, ?2, ?3, '+49 (0)7721 123 456 789', 999999999)",
             {QStringLiteral("Maximiliane Müller-Lüdenscheidt-Schäfer"), Street, Place});
        for (int i = 1; i <= 3; ++i)
            exec("INSERT INTO Sales (salesid, Date, totalsales, custid, cashierid, mwst2, mwst1)"
                 " VALUES (?1, '2026-12-06', 9999999, 1, ?2, 654205, 1596638)",
                 {9999990 + i, Cashier});
        m_receiptLines.setRecordSource("SELECT * FROM Receipt WHERE salesid = ?1", DataControl::CommandType::Text, {7});
        ASSERT_TRUE(m_receiptLines.refresh());
    }

    static ReceiptContent sale(const QString &shopName, bool delivery)
    {
        return {.shop = {shopName, Street, Place, QStringLiteral("+49 (0)7721 123 456 789"),
                         QStringLiteral("12345/67890/12345"),
                         QStringLiteral("Vielen Dank für Ihren Besuch bei uns – wir freuen uns auf Ihren nächsten "
                                        "Einkauf! Öffnungszeiten: Mo–So 11–23 Uhr")},
                .date = QDate(2026, 12, 31),
                .saleNumber = QStringLiteral("9999999"),
                .cashier = Cashier,
                .total = Money::fromCents(9999999),
                .fullRateTax = Money::fromCents(1596638),
                .reducedRateTax = Money::fromCents(654205),
                .discountPercent = QStringLiteral("100"),
                .tendered = QStringLiteral("100.000,00"),
                .change = QStringLiteral("99.999,99"),
                .remarks = QStringLiteral("Bitte klingeln bei Müller-Lüdenscheidt, 3. Stock links, Hund ist "
                                          "harmlos. Bargeld passend bereithalten, Wechselgeld knapp."),
                .delivery = delivery,
                .customerName = QStringLiteral("Maximiliane Müller-Lüdenscheidt-Schäfer"),
                .customerAddress = Street,
                .customerPlace = Place,
                .customerPhone = QStringLiteral("+49 (0)7721 123 456 789"),
                .driver = QStringLiteral("Hans-Jürgen Fährmann-Größer")};
    }

    // The header of a back-office report filled as the screens fill it.
    void fillReportHeader(ReportDocument &report, const QString &shopName, const QStringList &labels)
    {
        for (int i = 0; i < labels.size(); ++i)
            report.setText(QStringLiteral("Section4"), labels[i], QStringList{shopName, Street, Place}[i]);
    }

    DataControl m_receiptLines{"Receipt"};
};

// Amounts print whole or not at all: a cut figure would be read as another.
void expectUncut(const std::vector<report::Page> &pages, const QStringList &controls)
{
    for (const QString &text : printedBy(pages, controls))
        EXPECT_FALSE(text.contains(report::CutMark)) << "cut: " << text.toStdString();
}

} // namespace

TEST_F(PaperFitTest, EveryReceiptFormHoldsLongTextsAndLargeAmounts)
{
    for (const ReceiptForm &form : ReceiptForms)
        for (const QString &shopName : ShopNames)
            for (const bool delivery : {false, true}) {
                SCOPED_TRACE(QStringLiteral("%1, %2, %3").arg(form.name, shopName).arg(delivery).toStdString());
                Report receipt(form.layout());
                fillReceipt(receipt, sale(shopName, delivery));
                receipt.setDataSource(m_receiptLines);
                const std::vector<report::Page> pages = expectFitsOnPaper(receipt);

                // What the shop, the cashier and the customer must read prints whole.
                EXPECT_EQ(whole(printedBy(pages, {"Label1"}).join(u' ')), shopName);
                EXPECT_EQ(whole(printedBy(pages, {"LabelCashier"}).join(u' ')),
                          QStringLiteral("Kassierer: ") + Cashier);
                QStringList products = printedBy(pages, {"Text2"});
                std::transform(products.begin(), products.end(), products.begin(), whole);
                EXPECT_EQ(products, ProductNames);
                if (delivery) {
                    EXPECT_EQ(whole(printedBy(pages, {"lbKuAdr"}).join(u' ')), Street);
                }
                expectUncut(pages, {"Text3", "Text4", "Text5", "LabelTotal", "LabelCash", "LabelChange", "lmwst19",
                                    "lmwst7", "lbRabatt", "BelNr", "LabelDate"});
            }

    for (const QString &shopName : ShopNames) {
        SCOPED_TRACE(QStringLiteral("Invoice, %1").arg(shopName).toStdString());
        Report invoice(invoiceLayout());
        fillInvoice(invoice, {.shop = {shopName, Street, Place, {}, {}, {}},
                              .customerName = QStringLiteral("Maximiliane Müller-Lüdenscheidt-Schäfer"),
                              .date = QDate(2026, 12, 31),
                              .cashier = Cashier,
                              .balanceBefore = QStringLiteral("9.999.999,99"),
                              .tendered = QStringLiteral("9.999.999,99"),
                              .change = QStringLiteral("9.999.999,99"),
                              .paid = QStringLiteral("9.999.999,99"),
                              .balanceAfter = Money::fromCents(-999999999)});
        invoice.setDataSource(m_receiptLines);
        const std::vector<report::Page> pages = expectFitsOnPaper(invoice);
        EXPECT_EQ(whole(printedBy(pages, {"Label1"}).join(u' ')), shopName);
        EXPECT_EQ(whole(printedBy(pages, {"LabelName"}).join(u' ')),
                  QStringLiteral("Maximiliane Müller-Lüdenscheidt-Schäfer"));
        expectUncut(pages, {"LabelTotal", "LabelCash", "LabelChange", "LabelPaid", "LabelBalance", "LabelDate"});
    }
}

TEST_F(PaperFitTest, EveryReportHoldsLongTextsAndLargeAmounts)
{
    struct Case
    {
        std::function<report::Layout()> layout;
        QString source;
        QStringList headerLabels;
        bool sums;
        bool withTax;
        QStringList amounts;
        QStringList wholeTexts = {}; // columns whose texts must print whole
    };
    const QStringList labels = {"Label1", "Label2", "Label3"};
    const QStringList salesAmounts = {"txtNo",    "txtDate",  "txtTotal", "txtMwst1",
                                      "txtMwst2", "lblTotal", "lblMwst1", "lblMwst2"};
    const QStringList orderAmounts = {"txtNo", "txtDate", "txtTotal", "lblTotal"};
    const QStringList stockAmounts = {"txtId", "txtOrdered", "txtOnHand", "txtSold", "txtOrderPr", "txtSalesPr"};
    const QStringList stockLabels = {"label13", "label14", "label15"};
    const QStringList stockTexts = {"txtCategory", "txtDesc", "txtSize"};
    const QStringList creditTexts = {"txtName", "txtAddress", "txtPhone"};
    const std::vector<Case> cases = {
        {reports::salesReportLayout, "EntireSales", labels, true, true, salesAmounts},
        {reports::orderReportLayout, "entiredelivery", labels, true, false, orderAmounts},
        {reports::cashierReportLayout, "EntireSales", labels, true, true, salesAmounts},
        {reports::productInventoryLayout, "ProductInventory", stockLabels, false, false, stockAmounts, stockTexts},
        {reports::creditReportLayout, "Lieferungen", labels, false, false, {"txtId", "txtTotal"}, creditTexts},
    };
    for (const Case &c : cases)
        for (const QString &shopName : ShopNames) {
            SCOPED_TRACE(QStringLiteral("%1, %2").arg(c.source, shopName).toStdString());
            DataControl source(c.source);
            ASSERT_TRUE(source.refresh());
            Report report(c.layout());
            report.setDataSource(source);
            fillReportHeader(report, shopName, c.headerLabels);
            const QString header = QStringLiteral("Section4");
            if (report.name() != QLatin1String("ProductInventory") && report.name() != QLatin1String("CreditReport"))
                report.setText(header, QStringLiteral("lblPeriod"),
                               reports::periodText(QDate(2026, 12, 30), QDate(2026, 12, 31)));
            if (report.name() == QLatin1String("KasaBerReport"))
                report.setText(header, QStringLiteral("lblUser"), QStringLiteral("Mitarbeiter: %1").arg(Cashier));
            if (c.sums)
                reports::printSums(report,
                                   {.count = 99999,
                                    .total = Money::fromCents(999999999),
                                    .mwst1 = Money::fromCents(159663865),
                                    .mwst2 = Money::fromCents(65420560)},
                                   QStringLiteral("Verkäufe"), c.withTax);
            const std::vector<report::Page> pages = expectFitsOnPaper(report);
            EXPECT_EQ(whole(printedBy(pages, {c.headerLabels[0]}).join(u' ')), shopName);
            expectUncut(pages, c.amounts);
            expectUncut(pages, c.wholeTexts);
        }
}

namespace {

struct PdfWord
{
    int page;
    QRectF box; // points
    QString text;
};

struct PdfText
{
    std::vector<QSizeF> pages; // points
    std::vector<PdfWord> words;
};

// The words of a PDF with their boxes, as pdftotext finds them.
PdfText readPdf(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.-]+)\" yMin=\"([\\d.-]+)\" "
                       "xMax=\"([\\d.-]+)\" yMax=\"([\\d.-]+)\">([^<]*)</word>"));
    PdfText pdf;
    for (auto match = tag.globalMatch(xml); match.hasNext();) {
        const auto m = match.next();
        if (!m.captured(1).isEmpty()) {
            pdf.pages.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
            continue;
        }
        const QRectF box(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                         QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()));
        QString text = m.captured(7);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        pdf.words.push_back({static_cast<int>(pdf.pages.size()) - 1, box, text});
    }
    return pdf;
}

} // namespace

// The receipts as PDF files, read back by another program: every word on its
// page, no two words on the same spot, the shop's name whole, and each form
// on its own paper whatever the machine's locale (the tests run under C.UTF-8,
// whose own paper is US Letter).
TEST_F(PaperFitTest, ReceiptPdfsKeepEveryWordApartOnTheirOwnPaper)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const ReceiptForm &form : ReceiptForms) {
        SCOPED_TRACE(form.name.toStdString());
        Report receipt(form.layout());
        fillReceipt(receipt, sale(ShopNames[1], true));
        receipt.setDataSource(m_receiptLines);
        const QString path = m_dir.filePath(form.name + QStringLiteral(".pdf"));
        ASSERT_TRUE(receipt.writePdf(path));

        const PdfText pdf = readPdf(path);
        ASSERT_FALSE(pdf.pages.empty());
        for (const QSizeF &page : pdf.pages) {
            EXPECT_NEAR(page.width(), form.width, 1.0);
            if (form.height > 0) {
                EXPECT_NEAR(page.height(), form.height, 1.0);
            }
        }
        if (form.height == 0) { // one piece of roll as long as the receipt, far longer than wide
            EXPECT_EQ(pdf.pages.size(), 1u);
            EXPECT_GT(pdf.pages[0].height(), 2 * form.width);
        }

        QStringList text;
        for (std::size_t i = 0; i < pdf.words.size(); ++i) {
            const PdfWord &word = pdf.words[i];
            text << word.text;
            const QRectF page(QPointF(0, 0), pdf.pages[static_cast<std::size_t>(word.page)]);
            EXPECT_TRUE(page.contains(word.box)) << "off the page: " << word.text.toStdString();
            for (std::size_t j = i + 1; j < pdf.words.size() && pdf.words[j].page == word.page; ++j) {
                const QRectF common = word.box.intersected(pdf.words[j].box);
                // Glyph boxes of neighbouring lines may touch; words never share ink.
                EXPECT_FALSE(common.width() > 0.3 && common.height() > 0.3)
                    << word.text.toStdString() << " overlaps " << pdf.words[j].text.toStdString();
            }
        }
        // Read in reading order, a line's columns come between the lines of a
        // text that grew: each word of what must be read is there, whole, or
        // broken after one of its hyphens.
        static const QRegularExpression afterHyphen(QStringLiteral("(?<=-)(?=.)"));
        for (const QString &expected : {ShopNames[1], Cashier, ProductNames[0], ProductNames[2], Street})
            for (const QString &word : expected.split(u' '))
                EXPECT_TRUE(text.contains(word) ||
                            std::ranges::all_of(word.split(afterHyphen),
                                                [&](const QString &part) { return text.contains(part); }))
                    << word.toStdString() << " of " << expected.toStdString();
    }
}

// Printing from the preview: the print dialog hands over a printer set to its
// own default paper (US Letter under a C locale); every receipt form still
// prints on its own paper, the till roll on a piece of roll 80 mm wide.
TEST_F(PaperFitTest, EveryReceiptPrintsOnItsOwnPaperWhateverThePrinterWasSetTo)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    for (const ReceiptForm &form : ReceiptForms) {
        SCOPED_TRACE(form.name.toStdString());
        const report::Layout layout = form.layout();
        Report receipt(layout);
        fillReceipt(receipt, sale(ShopNames[0], false));
        receipt.setDataSource(m_receiptLines);
        const std::vector<report::Page> pages = receipt.pages();
        ReportPreview preview(receipt.name(), receipt.title(), layout.page.paper, receipt.layOut());

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = m_dir.filePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        preview.printOn(printer);

        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {path});
        pdfinfo.waitForFinished(60000);
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        static const QRegularExpression pageSize(QStringLiteral("Page size: +([\\d.]+) x ([\\d.]+) pts"));
        static const QRegularExpression pageCount(QStringLiteral("Pages: +(\\d+)"));
        const auto size = pageSize.match(info);
        ASSERT_TRUE(size.hasMatch()) << info.toStdString();
        EXPECT_NEAR(size.captured(1).toDouble(), form.width, 1.0);
        const double height = form.height > 0 ? form.height : pages.front().height / 20.0;
        EXPECT_NEAR(size.captured(2).toDouble(), height, 1.0);
        EXPECT_EQ(pageCount.match(info).captured(1).toUInt(), pages.size());
    }
}

// Whatever a text holds, it stays in its box: two boxes on one line must not
// reach into each other, or a long enough text would print over its neighbour.
TEST(PaperLayouts, NoTwoBoxesOnOneLineReachIntoEachOther)
{
    const std::vector<report::Layout> layouts = {receiptReportLayout(report::PageSetup::a4()),
                                                 receiptReportBonLayout(),
                                                 invoiceLayout(),
                                                 reports::salesReportLayout(),
                                                 reports::orderReportLayout(),
                                                 reports::cashierReportLayout(),
                                                 reports::productInventoryLayout(),
                                                 reports::creditReportLayout()};
    for (const report::Layout &layout : layouts)
        for (const report::Band &band : report::compile(layout).bands)
            for (std::size_t i = 0; i < band.controls.size(); ++i)
                for (std::size_t j = i + 1; j < band.controls.size(); ++j) {
                    const report::Control &a = band.controls[i];
                    const report::Control &b = band.controls[j];
                    if (a.kind == report::Kind::Line || b.kind == report::Kind::Line)
                        continue;
                    const bool oneLine = std::abs(a.top - b.top) < std::min(a.height, b.height) / 2;
                    const bool reachIn = a.left < b.left + b.width && b.left < a.left + a.width;
                    EXPECT_FALSE(oneLine && reachIn)
                        << layout.name.toStdString() << ": " << a.name.toStdString() << " and " << b.name.toStdString();
                }
}
