#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "app/screens.h"
#include "data/database.h"
#include "reports/exporttable.h"
#include "reports/frmgdpdu.h"
#include "reports/gdpduexport.h"
#include "reports/reporttest.h"

using ::testing::ElementsAre;

namespace {

using Records = std::vector<QStringList>;

// Reads a file as an auditor's program would: ";" between fields, CR LF
// between records, fields in double quotes may hold both, "" is a quote.
Records readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    Records records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            field.clear();
            records.push_back(record);
            record.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

// What index.xml says of each file: its column names in order.
std::map<QString, QStringList> describedColumns(const QString &indexPath)
{
    QFile file(indexPath);
    std::map<QString, QStringList> tables;
    if (!file.open(QIODevice::ReadOnly))
        return tables;
    QXmlStreamReader xml(&file);
    QString url;
    QString parent;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (name == u"URL")
            url = xml.readElementText();
        else if (name == u"VariablePrimaryKey" || name == u"VariableColumn")
            parent = name;
        else if (name == u"Name" && !parent.isEmpty()) {
            tables[url] << xml.readElementText();
            parent.clear();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return tables;
}

class GdpduTest : public ReportsTest
{
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        exec("UPDATE Settings SET cbnText = ?1", {QStringLiteral("Vielen Dank!\r\nBis bald.")});
        exec("INSERT INTO Products (ProductID, ArtNr, Description, Category, Quantity, Mwst, OrderPrice, SalesPrice)"
             " VALUES (1, 'A-1', ?1, 'Pizza', 12, '7', 123450, 650)",
             {QStringLiteral("Pizza \"Spezial\"; scharf, mit Käse")});
        exec("INSERT INTO Products (ProductID, Description, Quantity, SalesPrice) VALUES (2, 'Öl', 2.5, -5)");
        exec("INSERT INTO Customer VALUES (1, 'Jürgen Groß', 'Weg 2', '50667 Köln', '0221;123', 1250)");
        exec("INSERT INTO UserAccount (UserID, Password, Name) VALUES ('anna', 'geheimer-hash', 'Anna')");
        addSale(1, "2026-01-02", 1190, "anna", 190, 0);
        addSale(2, "2026-03-31", 123450, "anna", 19710, 0);
        addDelivery(1, 2, 1.5, 1000, "2026-01-05");
        m_folder = m_dir.filePath("export");
        QDir().mkpath(m_folder);
    }

    gdpdu::ExportResult exportNow()
    {
        return gdpdu::exportDatabase(m_db->path(), m_folder, {"Pizzeria Süd", "Hauptstr. 5, 12345 Köln", {}});
    }

    QString inFolder(const QString &name) const { return QDir(m_folder).filePath(name); }

    QString m_folder;
};

} // namespace

TEST_F(GdpduTest, WritesEveryTableWithItsRowsAndReadsBackExactly)
{
    const gdpdu::ExportResult result = exportNow();
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    QStringList expected;
    for (const QString &table : m_db->tableNames())
        expected << inFolder(table + ".csv");
    expected << inFolder("index.xml") << inFolder("gdpdu-01-08-2002.dtd");
    EXPECT_EQ(result.files, expected);
    // Views are record sources, not tables: they stay out.
    EXPECT_FALSE(QFile::exists(inFolder("EntireSales.csv")));
    EXPECT_FALSE(QFile::exists(inFolder("Receipt.csv")));

    for (const QString &table : m_db->tableNames())
        EXPECT_EQ(static_cast<qint64>(readCsv(inFolder(table + ".csv")).size()), count(table) + 1)
            << table.toStdString();

    const Records products = readCsv(inFolder("Products.csv"));
    EXPECT_EQ(products[0], QStringList({"ProductID", "ArtNr", "Description", "SupplierID", "Category", "Brands", "Size",
                                        "Quantity", "Mwst", "OrderPrice", "SalesPrice"}));
    EXPECT_EQ(products[1], QStringList({"1", "A-1", "Pizza \"Spezial\"; scharf, mit Käse", "", "Pizza", "", "",
                                        "12,000", "7", "1234,50", "6,50"}));
    EXPECT_EQ(products[2], QStringList({"2", "", "Öl", "", "", "", "", "2,500", "", "", "-0,05"}));

    EXPECT_EQ(readCsv(inFolder("Sales.csv"))[2],
              QStringList({"2", "31.03.2026", "1234,50", "1", "anna", "0,00", "197,10"}));
    EXPECT_EQ(readCsv(inFolder("Customer.csv"))[1],
              QStringList({"1", "Jürgen Groß", "Weg 2", "50667 Köln", "0221;123", "12,50"}));
    EXPECT_EQ(readCsv(inFolder("Settings.csv"))[1][9], "Vielen Dank!\r\nBis bald.");

    // Staff passwords never leave the till.
    const Records users = readCsv(inFolder("UserAccount.csv"));
    EXPECT_FALSE(users[0].contains("Password"));
    QFile raw(inFolder("UserAccount.csv"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_FALSE(raw.readAll().contains("geheimer-hash"));
}

TEST_F(GdpduTest, IndexIsValidAndDescribesEveryColumnOfEveryFile)
{
    ASSERT_TRUE(exportNow().ok);
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    // scripts/setup installs it: a missing checker must not pass for a valid description.
    ASSERT_FALSE(xmllint.isEmpty()) << "xmllint (libxml2-utils) is not installed";
    QProcess check;
    check.setWorkingDirectory(m_folder);
    check.start(xmllint, {"--valid", "--noout", "index.xml"});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();

    const std::map<QString, QStringList> described = describedColumns(inFolder("index.xml"));
    EXPECT_EQ(described.size(), static_cast<size_t>(m_db->tableNames().size()));
    for (const QString &table : m_db->tableNames()) {
        const QString file = table + ".csv";
        ASSERT_TRUE(described.count(file)) << file.toStdString();
        EXPECT_EQ(described.at(file), readCsv(inFolder(file)).front()) << file.toStdString();
    }

    QFile index(inFolder("index.xml"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(index.readAll());
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE(xml.contains("<!DOCTYPE DataSet SYSTEM \"gdpdu-01-08-2002.dtd\">"));
    EXPECT_TRUE(xml.contains("<Name>Pizzeria Süd</Name>"));
    EXPECT_TRUE(xml.contains("<Location>Hauptstr. 5, 12345 Köln</Location>"));
    EXPECT_TRUE(xml.contains(QStringLiteral("<Comment>Datenbestand vom 02.01.2026 bis 31.03.2026, exportiert am %1"
                                            "</Comment>")
                                 .arg(QDate::currentDate().toString("dd.MM.yyyy"))));
    EXPECT_TRUE(xml.contains("<RecordDelimiter>&#13;&#10;</RecordDelimiter>"));
    EXPECT_TRUE(xml.contains("<VariablePrimaryKey>\n                    <Name>ProductID</Name>\n"
                             "                    <Numeric/>"));
    EXPECT_TRUE(xml.contains("<Name>SalesPrice</Name>\n                    <Numeric>\n"
                             "                        <Accuracy>2</Accuracy>"));
    EXPECT_TRUE(xml.contains("<Name>Date</Name>\n                    <Date>\n"
                             "                        <Format>DD.MM.YYYY</Format>"));
}

TEST_F(GdpduTest, TheScreenAsksForAFolderAndSaysWhatItWrote)
{
    FrmGdpdu &screen = frmgdpdu();
    EXPECT_EQ(screen.objectName(), "frmgdpdu");

    // Cancelling the folder choice writes nothing.
    screen.cmdExport->click();
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_TRUE(QDir(m_folder).isEmpty());

    for (const QString &unusable : {inFolder("fehlt"), m_db->path()}) {
        m_dialogs->clearRecords();
        m_dialogs->answerFolder(unusable);
        screen.cmdExport->click();
        EXPECT_EQ(m_dialogs->messageTexts(),
                  QStringList{QStringLiteral("In den Ordner „%1“ kann nicht geschrieben werden. "
                                             "Bitte einen anderen Ordner wählen.")
                                  .arg(unusable)});
        EXPECT_EQ(m_dialogs->messages().front().buttons, mb::vbCritical);
    }
    EXPECT_TRUE(QDir(m_folder).isEmpty());

    m_dialogs->clearRecords();
    m_dialogs->answerFolder(m_folder);
    screen.cmdExport->click();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages().front().buttons, mb::vbInformation);
    EXPECT_EQ(m_dialogs->messageTexts().front(),
              QStringLiteral("Der GDPdU-Export wurde in den Ordner „%1“ geschrieben:\n"
                             "Products.csv, Supplier.csv, Category.csv, Brands.csv, Customer.csv, "
                             "UserAccount.csv, Settings.csv, Sales.csv, SalesDetails.csv, Temp.csv, "
                             "Deliveries.csv, index.xml, gdpdu-01-08-2002.dtd")
                  .arg(m_folder));
    EXPECT_EQ(screen.ProgressBar1->value(), screen.ProgressBar1->maximum());
    EXPECT_TRUE(QFile::exists(inFolder("index.xml")));
}

TEST_F(GdpduTest, AFileThatCannotBeWrittenStopsTheExportBeforeTheDescription)
{
    // A folder stands where Sales.csv should go.
    QDir(m_folder).mkpath("Sales.csv");
    const gdpdu::ExportResult result = exportNow();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QStringLiteral("Die Datei „%1“ konnte nicht angelegt werden.").arg(inFolder("Sales.csv")));
    EXPECT_EQ(result.files.back(), inFolder("Settings.csv"));
    // No description of an incomplete export.
    EXPECT_FALSE(QFile::exists(inFolder("index.xml")));
}

TEST(GdpduFields, EachKindIsWrittenAsTheDescriptionSays)
{
    using gdpdu::ColumnKind;
    using gdpdu::csvField;
    EXPECT_EQ(csvField(ColumnKind::Money, qint64(123450)), "1234,50");
    EXPECT_EQ(csvField(ColumnKind::Money, qint64(-5)), "-0,05");
    EXPECT_EQ(csvField(ColumnKind::Money, qint64(0)), "0,00");
    EXPECT_EQ(csvField(ColumnKind::WholeNumber, qint64(42)), "42");
    EXPECT_EQ(csvField(ColumnKind::Quantity, 1.5), "1,500");
    EXPECT_EQ(csvField(ColumnKind::Quantity, qint64(-3)), "-3,000");
    EXPECT_EQ(csvField(ColumnKind::Date, QString("2026-12-06")), "06.12.2026");
    EXPECT_EQ(csvField(ColumnKind::Date, QString("06.12.2026")), "");
    EXPECT_EQ(csvField(ColumnKind::Text, QString("a\"b;c")), "\"a\"\"b;c\"");
    EXPECT_EQ(csvField(ColumnKind::Text, QString()), "\"\"");
    EXPECT_EQ(csvField(ColumnKind::Text, QVariant()), "");
    EXPECT_EQ(csvField(ColumnKind::Money, QString("abc")), "");
}
