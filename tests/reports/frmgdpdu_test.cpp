#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "platform/screens.h"
#include "reports/frmgdpdu.h"
#include "reports/reporttest.h"
#include "core/support/smalldisk.h"

namespace {
class FrmGdpduTest : public ReportsTest
{
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        addSale(1, "2026-01-02", 1190, "anna", 190, 0);
        m_folder = m_dir.filePath("export");
        QDir().mkpath(m_folder);
    }

    QString inFolder(const QString &name) const { return QDir(m_folder).filePath(name); }

    QString m_folder;
};
} // namespace

TEST_F(FrmGdpduTest, TheScreenAsksForAFolderAndSaysWhatItWrote)
{
    FrmGdpdu &screen = frmgdpdu();
    auto exportTo = [&](const QString &folder) {
        m_dialogs->clearRecords();
        m_dialogs->answerFolder(folder);
        screen.cmdExport->click();
    };

    // Cancelling the folder choice writes nothing.
    screen.cmdExport->click();
    EXPECT_TRUE(m_dialogs->messages().empty());
    for (const QString &unusable : {inFolder("fehlt"), m_db->path()}) {
        exportTo(unusable);
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("In den Ordner „%1“ kann nicht geschrieben "
                                                                        "werden. Bitte einen anderen Ordner wählen.")
                                                             .arg(unusable)});
        EXPECT_EQ(m_dialogs->messages().front().buttons, mb::vbCritical);
    }
    EXPECT_TRUE(QDir(m_folder).isEmpty());

    exportTo(m_folder);
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList{QStringLiteral("Der GDPdU-Export wurde in den Ordner „%1“ geschrieben:\n"
                                         "Products.csv, Supplier.csv, Category.csv, Brands.csv, Customer.csv, "
                                         "UserAccount.csv, Settings.csv, Sales.csv, SalesDetails.csv, Temp.csv, "
                                         "Deliveries.csv, index.xml, gdpdu-01-08-2002.dtd")
                              .arg(m_folder)});
    EXPECT_EQ(m_dialogs->messages().front().buttons, mb::vbInformation);
    EXPECT_EQ(screen.ProgressBar1->value(), screen.ProgressBar1->maximum());
    EXPECT_TRUE(QFile::exists(inFolder("index.xml")));
}

TEST_F(FrmGdpduTest, AnExportThatDoesNotFitNamesTheChosenFolderAndSaysTheDiskIsFull)
{
    SmallDisk disk(m_dir.filePath("disk"), 4 << 20);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    m_folder = QDir(disk.path()).filePath("USB-Stick");
    QDir().mkpath(m_folder);
    FrmGdpdu &screen = frmgdpdu();
    auto exportToFolder = [&] {
        m_dialogs->clearRecords();
        m_dialogs->answerFolder(m_folder);
        screen.cmdExport->click();
        EXPECT_EQ(screen.StatusBar1->currentMessage(), "Export abgebrochen");
        EXPECT_TRUE(QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        EXPECT_EQ(m_dialogs->messages().size(), 1u);
        return m_dialogs->messages().empty() ? ScriptedDialogs::Message{} : m_dialogs->messages().front();
    };

    // Room for some of the files only.
    ASSERT_TRUE(disk.leaveFree(2 * 4096));
    ScriptedDialogs::Message message = exportToFolder();
    EXPECT_TRUE(message.text.startsWith("Die Datei „")) << message.text.toStdString();
    EXPECT_TRUE(message.text.endsWith(QStringLiteral("“ konnte nicht in den Ordner „%1“ geschrieben werden: "
                                                     "Datenträger voll.\nDer Export wurde abgebrochen; der Ordner "
                                                     "ist unverändert.")
                                          .arg(m_folder)))
        << message.text.toStdString();
    EXPECT_EQ(message.buttons, mb::vbCritical);

    // Not even room for the working folder.
    ASSERT_TRUE(disk.leaveNoNewEntries());
    message = exportToFolder();
    EXPECT_EQ(message.text, QStringLiteral("In den Ordner „%1“ kann nicht geschrieben werden: Datenträger voll. "
                                           "Bitte einen anderen Ordner wählen.")
                                .arg(m_folder));
}
