// Writes a sample receipt layout to PDF or shows it in the print preview, to
// check a machine's fonts, PDF output and preview without running the till:
//
//   kasse-report-sample --pdf beleg.pdf
//   kasse-report-sample --preview                      (waits until closed)
//   xvfb-run -a kasse-report-sample --preview --close-when-shown
//
// The last form ends by itself once the preview is on screen and has laid out
// its pages; it exits 0 then, and 1 when the preview showed a wrong page count.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "data/database.h"
#include "data/datacontrol.h"
#include "data/ui/report.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reportpreview.h"

namespace {

// clang-format off
report::Layout sampleLayout()
{
    using enum report::Kind;
    return {.name = QStringLiteral("SampleReceipt"),
            .title = QStringLiteral("Beispielbeleg"),
            .page = report::PageSetup::a5(),
            .baseFont = QStringLiteral("Arial 8.25"),
            .formats = {{QStringLiteral("a"), QStringLiteral("#.##0,00 \"€\"")}},
            .bands = {{"Section4", 1300}, {"Section2", 400}, {"Section1", 285}, {"Section3", 300}, {"Section5", 900}},
            .controls = {
                // Section   Control    Kind   Design text or field            Left   Top Width Height Notes                     Font
                {"Section4", "Label1",  Label, "Bäckerei Müller & Söhne",         0,    0, 5102, 420, "centred",                    "Verdana 12 bold"},
                {"Section4", "Label2",  Label, "Große Straße 5",                  0,  420, 5102, 285, "centred",                    "Arial 9"},
                {"Section4", "Label3",  Label, "12345 Köln",                      0,  700, 5102, 285, "centred",                    "Georgia 9"},
                {"Section2", "Label6",  Label, "Anz",                            40,   60,  600, 285, "",                           "Arial Narrow 9.75 bold"},
                {"Section2", "Label5",  Label, "Beschreibung",                  700,   60, 2150, 285, "",                           "Arial Narrow 9.75 bold"},
                {"Section2", "Label10", Label, "Ges.",                         4000,   60, 1000, 285, "right-aligned",              "Tahoma 9 bold"},
                {"Section2", "Line1",   Line,  "",                                0,  360, 5100,    0},
                {"Section1", "Text3",   Field, "Quantity",                       40,    0,  647, 285, "centred"},
                {"Section1", "Text2",   Field, "Desc",                          700,    0, 3000, 285},
                {"Section1", "Text5",   Field, "Ext",                          3900,    0, 1100, 285, "right-aligned, format (a)"},
                {"Section3", "Label7",  Label, "Beispielbeleg – nicht gültig",    0,   40, 5102, 240, "centred, red"},
                {"Section5", "Line4",   Line,  "",                                0,    0, 5100,    0},
                {"Section5", "lbbntxt", Label, "Vielen Dank für Ihren Einkauf",   0,  300, 5102, 285, "centred"},
            }};
}
// clang-format on

// A database of its own with 40 sold lines, so that the sample spans pages.
std::unique_ptr<Database> sampleDatabase(const QTemporaryDir &dir)
{
    QString error;
    auto database = Database::openOrCreate(dir.filePath(QStringLiteral("sample.db")), &error);
    if (!database) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    for (int i = 1; i <= 40; ++i) {
        database->execute(
            QStringLiteral("INSERT INTO Products (ProductID, Description, SalesPrice) VALUES (?1, ?2, ?3)"),
            {i, QStringLiteral("Brötchen Nr. %1").arg(i), 35 * i});
        database->execute(QStringLiteral("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) "
                                         "VALUES (1, ?1, ?2, ?3)"),
                          {i, i % 4 + 1, 35 * i});
    }
    return database;
}

int closeWhenShown(Report &receipt)
{
    ReportPreview *preview = receipt.previewWindow();
    auto *poll = new QTimer(preview);
    QObject::connect(poll, &QTimer::timeout, preview, [preview, &receipt] {
        if (!preview->windowHandle() || !preview->windowHandle()->isExposed() || preview->shownPageCount() == 0)
            return;
        const int expected = static_cast<int>(receipt.pages().size());
        std::printf("Vorschau gezeigt: %d von %d Seiten\n", preview->shownPageCount(), expected);
        QCoreApplication::exit(preview->shownPageCount() == expected ? 0 : 1);
    });
    poll->start(50);
    // A preview that never appears is a failure, not a hang.
    QTimer::singleShot(30000, [] {
        std::fprintf(stderr, "Die Vorschau ist nicht erschienen.\n");
        QCoreApplication::exit(2);
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Beispielbeleg als PDF oder in der Druckvorschau"));
    parser.addHelpOption();
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("PDF-Datei schreiben"), QStringLiteral("datei"));
    const QCommandLineOption preview(QStringLiteral("preview"), QStringLiteral("Druckvorschau zeigen"));
    const QCommandLineOption closeShown(QStringLiteral("close-when-shown"),
                                        QStringLiteral("Vorschau schließen, sobald sie gezeigt ist"));
    parser.addOptions({pdf, preview, closeShown});
    parser.process(app);
    if (!parser.isSet(pdf) && !parser.isSet(preview))
        parser.showHelp(1);

    QTemporaryDir dir;
    std::unique_ptr<Database> database = sampleDatabase(dir);
    if (!database)
        return 1;
    Database::setCurrent(database.get());
    DataControl receiptLines(QStringLiteral("Receipt"));
    receiptLines.refresh();

    Report receipt(sampleLayout());
    receipt.setText(QStringLiteral("section5"), QStringLiteral("LBBNTXT"),
                    QStringLiteral("Vielen Dank – bis bald! (%1)").arg(QDate::currentDate().toString(u"dd.MM.yyyy")));
    receipt.setDataSource(receiptLines);

    if (parser.isSet(pdf)) {
        QString error;
        if (!receipt.writePdf(parser.value(pdf), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    if (!parser.isSet(preview))
        return 0;
    if (parser.isSet(closeShown)) {
        receipt.show(false);
        return closeWhenShown(receipt);
    }
    receipt.show(true);
    return 0;
}
