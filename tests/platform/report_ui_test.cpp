#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QComboBox>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "data/datacontrol.h"
#include "data/ui/report.h"
#include "platform/ui/reportpainter.h"
#include "platform/ui/reportpreview.h"
#include "support/fixture.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// clang-format off
report::Layout invoiceLayout()
{
    using enum report::Kind;
    return {.name = "Invoice", .title = "Rechnung", .page = report::PageSetup::a4(),
            .formats = {{"a", "#.##0,00 \"€\""}},
            .bands = {{"Section4", 900}, {"Section1", 285}, {"Section5", 360}},
            .controls = {
                // Section   Control     Kind   Design text or field  Left  Top Width Height Notes      Font
                {"Section4", "Label1",   Label, "FA",                    0,   0, 7200, 420, "centred",  "Georgia 18 bold"},
                {"Section4", "Label2",   Label, "Adr",                   0, 500, 3400, 285, "centred",  "Arial Narrow 9.75 bold"},
                {"Section1", "Text2",    Field, "Desc",                  0,   0, 2000, 285},
                {"Section1", "Text5",    Field, "Ext",                2000,   0, 1400, 285, "right-aligned, format (a)"},
                {"Section5", "lbbntxt",  Label, "Vielen Dank",           0,   0, 3400, 285, "centred",  "Verdana 9"},
            }};
}
// clang-format on

// What a program prints, its errors included; marked as failed when it does not end well.
std::string run(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000) && process.exitCode() == 0;
    return (ended ? "" : "<" + program.toStdString() + " failed> ") + process.readAll().toStdString();
}

class ReportUiTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec(QStringLiteral("INSERT INTO Products (ProductID, Description) VALUES (1, 'Süßes Brötchen')"));
        exec(QStringLiteral(
            "INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (3, 1, 2, 61725)"));
        ASSERT_TRUE(m_lines.refresh());
    }

    DataControl m_lines{QStringLiteral("Receipt")};
};

} // namespace

TEST(ReportFonts, WindowsFamiliesMapToInstalledFreeFonts)
{
    for (const char *family : {"Arial", "Arial Narrow", "Verdana", "Tahoma", "Georgia"}) {
        const report::Font font{.family = QLatin1String(family), .points = 9, .bold = true};
        // A missing font package would show here as a fallback family.
        EXPECT_EQ(QFontInfo(report::qtFont(font)).family(), report::mappedFamily(font.family)) << family;
    }
}

TEST_F(ReportUiTest, APdfWithUmlautsAndTheEuroSignReadsBack)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Report invoice(invoiceLayout());
    invoice.setText(QStringLiteral("section4"), QStringLiteral("label1"), QStringLiteral("Bäckerei Müller & Söhne"));
    invoice.setText(QStringLiteral("section4"), QStringLiteral("label2"), QStringLiteral("Große Straße 5, Köln"));
    invoice.setDataSource(m_lines);
    const QString path = m_dir.filePath(QStringLiteral("invoice.pdf"));
    QString error;
    ASSERT_TRUE(invoice.writePdf(path, &error)) << error.toStdString();

    const std::string text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const char *printed :
         {"Bäckerei Müller & Söhne", "Große Straße 5, Köln", "Süßes Brötchen", "1.234,50 €", "Vielen Dank"})
        EXPECT_THAT(text, HasSubstr(printed));

    // A file that cannot be written is reported, not taken for success.
    EXPECT_FALSE(invoice.writePdf(m_dir.filePath(QStringLiteral("missing/folder/invoice.pdf")), &error));
    EXPECT_THAT(error.toStdString(), HasSubstr("konnte nicht geschrieben werden"));
}

TEST_F(ReportUiTest, AModalPreviewShowsThroughTheDialogsWithItsPages)
{
    Report invoice(invoiceLayout());
    invoice.setDataSource(m_lines);
    int shownPages = -1;
    m_dialogs->onModal([&](QDialog *window) {
        if (auto *preview = qobject_cast<ReportPreview *>(window))
            shownPages = preview->shownPageCount();
        return 0;
    });
    invoice.show(true);
    EXPECT_EQ(shownPages, 1);
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{QStringLiteral("Invoice")});
}

// The print dialog offers printers only: printing to a file would open a file
// dialog that reads the files of the data folder, the database's among them.
TEST_F(ReportUiTest, PrintingOffersNoFileWhoseDialogCouldReadTheDatabase)
{
    Report invoice(invoiceLayout());
    invoice.setDataSource(m_lines);
    invoice.show();
    QStringList offered;
    bool asked = false;
    m_dialogs->onModal([&](QDialog *window) {
        asked = qobject_cast<QPrintDialog *>(window) != nullptr;
        window->show();
        for (const QComboBox *choice : window->findChildren<QComboBox *>())
            for (int i = 0; i < choice->count(); ++i)
                offered << choice->itemText(i);
        return int(QDialog::Rejected);
    });
    invoice.previewWindow()->print();
    EXPECT_TRUE(asked);
    EXPECT_THAT(offered.join('|').toStdString(), Not(HasSubstr("PDF")));
}

TEST_F(ReportUiTest, AModelessPreviewStaysOpenUntilTheSameReportIsShownAgain)
{
    Report invoice(invoiceLayout());
    invoice.show();
    QPointer<ReportPreview> first = invoice.previewWindow();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Rechnung"));
    // What the preview shows was fixed when it was shown.
    invoice.setText(QStringLiteral("section4"), QStringLiteral("label1"), QStringLiteral("Neu"));
    EXPECT_EQ(first->pages().front().items.front().text, QStringLiteral("FA"));

    invoice.show();
    processEvents();
    EXPECT_FALSE(first); // closed and deleted
    ASSERT_TRUE(invoice.previewWindow());
    EXPECT_TRUE(invoice.previewWindow()->isVisible());
    EXPECT_EQ(m_dialogs->shownWindows(), (QStringList{QStringLiteral("Invoice"), QStringLiteral("Invoice")}));
    invoice.previewWindow()->close();
    processEvents();
    EXPECT_FALSE(invoice.previewWindow());
}

#ifdef KASSE_REPORT_SAMPLE
// The preview on a real X server: runs the sample tool under xvfb-run, which
// shows the preview, waits until it is on screen with its pages laid out, and
// ends by itself.
TEST(ReportPreviewOnX, OpensUnderXvfbWithoutErrors)
{
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    QTemporaryDir runtimeDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    EXPECT_EQ(run(xvfbRun,
                  {QStringLiteral("-a"), QStringLiteral(KASSE_REPORT_SAMPLE), QStringLiteral("--preview"),
                   QStringLiteral("--close-when-shown")},
                  environment),
              "Vorschau gezeigt: 2 von 2 Seiten\n");
}
#endif
