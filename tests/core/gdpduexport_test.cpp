#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "data/database.h"
#include "reports/exporttable.h"
#include "reports/gdpduexport.h"
#include "support/fixture.h"
#include "support/smalldisk.h"

using ::testing::ElementsAre;

namespace {

using Records = std::vector<QStringList>;

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Reads a file as an auditor's program would: ";" between fields, CR LF
// between records, fields in double quotes may hold both, "" is a quote.
Records readCsv(const QString &path)
{
    const QString text = readText(path);
    Records records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (quoted && c == u'"' && next == u'"')
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (quoted || (c != u';' && !(c == u'\r' && next == u'\n')))
            field += c;
        else {
            records.back() << std::exchange(field, {});
            if (c == u'\r') {
                records.emplace_back();
                ++i;
            }
        }
    }
    records.pop_back(); // the record after the last CR LF is empty
    return records;
}

// What index.xml says of each file: its column names in order.
std::map<QString, QStringList> describedColumns(const QString &indexPath)
{
    std::map<QString, QStringList> tables;
    QXmlStreamReader xml(readText(indexPath));
    QString url;
    bool inColumn = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"URL")
            url = xml.readElementText();
        else if (xml.name() == u"VariablePrimaryKey" || xml.name() == u"VariableColumn")
            inColumn = true;
        else if (xml.name() == u"Name" && std::exchange(inColumn, false))
            tables[url] << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return tables;
}

// Every entry of a folder, hidden ones too, with its bytes (a folder as "/").
std::map<QString, QByteArray> folderFiles(const QString &folder)
{
    std::map<QString, QByteArray> files;
    for (const QFileInfo &entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        files[entry.fileName()] = entry.isDir()                    ? QByteArray("/")
                                  : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                   : QByteArray("?");
    }
    return files;
}

void putFiles(const QString &folder, const std::map<QString, QByteArray> &files)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (const auto &[name, bytes] : files) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
}

// The names of the entries that are not in both with the same bytes.
QString differing(const std::map<QString, QByteArray> &found, const std::map<QString, QByteArray> &expected)
{
    QStringList names;
    for (const auto &[name, bytes] : found)
        if (!expected.count(name) || expected.at(name) != bytes)
            names << name;
    for (const auto &entry : expected)
        if (!found.count(entry.first))
            names << entry.first + " (fehlt)";
    return names.join(", ");
}

class GdpduTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec(
            "UPDATE Settings SET cName = 'Pizzeria Süd', cAddress = 'Hauptstr. 5', cPlace = '12345 Köln', cbnText = ?1",
            {QStringLiteral("Vielen Dank!\r\nBis bald.")});
        exec("INSERT INTO Products (ProductID, ArtNr, Description, Category, Quantity, Mwst, OrderPrice, SalesPrice)"
             " VALUES (1, 'A-1', ?1, 'Pizza', 12, '7', 123450, 650)",
             {QStringLiteral("Pizza \"Spezial\"; scharf, mit Käse")});
        exec("INSERT INTO Products (ProductID, Description, Quantity, SalesPrice) VALUES (2, 'Öl', 2.5, -5)");
        exec("INSERT INTO Customer VALUES (1, 'Jürgen Groß', 'Weg 2', '50667 Köln', '0221;123', 1250)");
        exec("INSERT INTO UserAccount (UserID, Password, Name) VALUES ('anna', 'geheimer-hash', 'Anna')");
        exec("INSERT INTO Sales (salesid, Date, totalsales, custid, cashierid, mwst2, mwst1)"
             " VALUES (1, '2026-01-02', 1190, 1, 'anna', 0, 190), (2, '2026-03-31', 123450, 1, 'anna', 0, 19710)");
        exec("INSERT INTO Deliveries VALUES (1, 2, 1.5, 1000, '2026-01-05')");
        m_folder = m_dir.filePath("export");
        QDir().mkpath(m_folder);
    }

    void TearDown() override
    {
        gdpdu::setStepHook(nullptr);
        DatabaseTest::TearDown();
    }

    gdpdu::ExportResult exportNow() { return exportTo(m_folder); }

    gdpdu::ExportResult exportTo(const QString &folder)
    {
        return gdpdu::exportDatabase(m_db->path(), folder, {"Pizzeria Süd", "Hauptstr. 5, 12345 Köln", {}});
    }

    QString inFolder(const QString &name) const { return QDir(m_folder).filePath(name); }

    // The files of an export after one more sale, written to a folder of
    // their own: they differ from the export before it in a table and in
    // its description.
    std::map<QString, QByteArray> laterExport()
    {
        exec("INSERT INTO Sales (salesid, Date, totalsales) VALUES (3, '2026-04-01', 999)");
        const QString reference = m_dir.filePath("reference");
        QDir().mkpath(reference);
        EXPECT_TRUE(exportTo(reference).ok);
        return folderFiles(reference);
    }

    QString m_folder;
};

} // namespace

TEST_F(GdpduTest, WritesEveryTableWithItsRowsAndReadsBackExactly)
{
    const gdpdu::ExportResult result = exportNow();
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    // One file per table, the description and its DTD; views are record
    // sources, not tables: they stay out.
    // Every row of every table: see the next test.
    EXPECT_EQ(result.files.size(), m_db->tableNames().size() + 2);

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
    EXPECT_FALSE(readCsv(inFolder("UserAccount.csv"))[0].contains("Password"));
    EXPECT_FALSE(readText(inFolder("UserAccount.csv")).contains("geheimer-hash"));
}

TEST_F(GdpduTest, WritesEveryRowOfTablesLargerThanItReadsAtOnce)
{
    const QString numbers = "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 5002) ";
    exec(numbers + "INSERT INTO Sales (salesid, Date, totalsales) SELECT i, '2026-04-01', i FROM n");
    exec(numbers + "INSERT INTO SalesDetails SELECT i, 1 + i % 2, 1, 650 FROM n");
    exec(numbers + "INSERT INTO Customer (CustomerID, Customername) SELECT i, 'Kunde ' || i FROM n WHERE i < 4000");
    ASSERT_TRUE(exportNow().ok);
    for (const QString &table : m_db->tableNames())
        EXPECT_EQ(static_cast<qint64>(readCsv(inFolder(table + ".csv")).size()), count(table) + 1)
            << table.toStdString();
    EXPECT_EQ(readCsv(inFolder("SalesDetails.csv")).back(), QStringList({"5002", "1", "1,000", "6,50"}));
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

    const QString xml = readText(inFolder("index.xml")).replace(QRegularExpression(">\\s+<"), "><");
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    const QString exported = QDate::currentDate().toString("dd.MM.yyyy");
    for (const QString &part :
         {QStringLiteral("<!DOCTYPE DataSet SYSTEM \"gdpdu-01-08-2002.dtd\">"),
          QStringLiteral("<DataSupplier><Name>Pizzeria Süd</Name><Location>Hauptstr. 5, 12345 Köln</Location>"
                         "<Comment>Datenbestand vom 02.01.2026 bis 31.03.2026, exportiert am %1</Comment>")
              .arg(exported),
          QStringLiteral("<RecordDelimiter>&#13;&#10;</RecordDelimiter>"),
          QStringLiteral("<VariablePrimaryKey><Name>ProductID</Name><Numeric/>"),
          QStringLiteral("<Name>SalesPrice</Name><Numeric><Accuracy>2</Accuracy>"),
          QStringLiteral("<Name>Date</Name><Date><Format>DD.MM.YYYY</Format>")})
        EXPECT_TRUE(xml.contains(part)) << part.toStdString();
}

TEST_F(GdpduTest, AFailedExportLeavesTheFolderAsItWas)
{
    ASSERT_TRUE(exportNow().ok);
    const std::map<QString, QByteArray> earlier = folderFiles(m_folder);
    const QString aborted = QStringLiteral("\nDer Export wurde abgebrochen; der Ordner ist unverändert.");

    // A value the column's type does not describe is named, and nothing of
    // the new export is put into the folder.
    exec("INSERT INTO Sales (salesid, Date, totalsales) VALUES (3, '2026-04-01', 999)");
    exec("UPDATE Products SET SupplierID = 'Metro' WHERE ProductID = 2");
    gdpdu::ExportResult result = exportNow();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error,
              "Tabelle „Products“, Datensatz mit ProductID 2, Spalte „SupplierID“: „Metro“ ist keine ganze Zahl." +
                  aborted);
    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_EQ(differing(folderFiles(m_folder), earlier), "");

    // A table without a key names the row by its number; a quantity is
    // never rounded into the file.
    exec("UPDATE Products SET SupplierID = NULL");
    exec("INSERT INTO Deliveries VALUES (2, 1, 0.0005, 100, '2026-01-06')");
    EXPECT_EQ(exportNow().error,
              "Tabelle „Deliveries“, Datensatz Nr. 2, Spalte „quantity“: „0,0005“ ist keine Menge mit höchstens 3 "
              "Nachkommastellen." +
                  aborted);
    EXPECT_EQ(differing(folderFiles(m_folder), earlier), "");

    // A name in the folder that is taken by something other than a file of
    // an earlier export: that stays, and nothing is replaced.
    exec("DELETE FROM Deliveries WHERE deliveryno = 2");
    QFile::remove(inFolder("Sales.csv"));
    QDir(m_folder).mkpath("Sales.csv/Eigenes");
    const std::map<QString, QByteArray> withFolder = folderFiles(m_folder);
    result = exportNow();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Die Datei „" + inFolder("Sales.csv") + "“ konnte nicht angelegt werden." + aborted);
    EXPECT_EQ(differing(folderFiles(m_folder), withFolder), "");
    EXPECT_TRUE(QDir(inFolder("Sales.csv")).exists("Eigenes"));
}

TEST_F(GdpduTest, AnExportOntoAFullDiskFailsWholeNamesTheFolderAndSaysTheDiskIsFull)
{
    SmallDisk disk(m_dir.filePath("disk"), 4 << 20);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    m_folder = QDir(disk.path()).filePath("Prüfung 2026");
    QDir().mkpath(m_folder);
    ASSERT_TRUE(exportNow().ok);
    const std::map<QString, QByteArray> earlier = folderFiles(m_folder);
    const std::map<QString, QByteArray> later = laterExport();
    ASSERT_EQ(differing(later, earlier), "Sales.csv, index.xml");

    // Room for none, some, or all but the last of the new files: each time
    // the export fails at the file that no longer fits, header line, rows,
    // description or its DTD alike, and the folder keeps the earlier export
    // whole, with no working folder left.
    QStringList refused;
    int freePages = 0;
    for (;; ++freePages) {
        ASSERT_LT(freePages, 100) << "the export never fits";
        ASSERT_TRUE(disk.leaveFree(freePages * 4096));
        const gdpdu::ExportResult result = exportNow();
        if (result.ok)
            break;
        SCOPED_TRACE(result.error.toStdString());
        const QRegularExpression message("^Die Datei „([^“]+)“ konnte nicht in den Ordner „" +
                                         QRegularExpression::escape(m_folder) +
                                         "“ geschrieben werden: Datenträger voll\\.\nDer Export wurde abgebrochen; "
                                         "der Ordner ist unverändert\\.$");
        const QRegularExpressionMatch match = message.match(result.error);
        ASSERT_TRUE(match.hasMatch());
        refused << match.captured(1);
        EXPECT_TRUE(result.files.isEmpty());
        ASSERT_EQ(differing(folderFiles(m_folder), earlier), "");
    }
    EXPECT_GE(refused.size(), m_db->tableNames().size() + 2);
    for (const char *file : {"Temp.csv", "Sales.csv", "index.xml", "gdpdu-01-08-2002.dtd"})
        EXPECT_TRUE(refused.contains(file)) << file;
    // Once it fits, every file is there whole.
    EXPECT_EQ(differing(folderFiles(m_folder), later), "");
}

TEST_F(GdpduTest, AnExportStoppedOrFailingAtAnyStepLeavesNoSetThatLooksComplete)
{
    ASSERT_TRUE(exportNow().ok);
    const std::map<QString, QByteArray> earlier = folderFiles(m_folder);
    const std::map<QString, QByteArray> later = laterExport();
    ASSERT_EQ(differing(later, earlier), "Sales.csv, index.xml");

    // After the first change to the folder, then after the second, and so on:
    // the export is stopped there, as a killed program would be, and the
    // working folder it leaves is hidden and holds no index.xml of the
    // folder's; or the new files still waiting in the working folder vanish
    // there, so that the next one cannot be put in place, and the earlier
    // export is put back.
    int stops = 0, withoutIndex = 0, failures = 0;
    bool stopped = true, failed = true;
    for (int step = 1; stopped || failed; ++step) {
        SCOPED_TRACE(step);
        ASSERT_LT(step, 100) << "the export never ends";
        putFiles(m_folder, earlier);
        int steps = 0;
        gdpdu::setStepHook([&] { return ++steps < step; });
        stopped = !exportNow().ok;
        std::map<QString, QByteArray> left = folderFiles(m_folder);
        for (auto entry = left.begin(); entry != left.end();)
            if (entry->first.startsWith('.')) {
                EXPECT_TRUE(entry->first.startsWith(".gdpdu-export-")) << entry->first.toStdString();
                entry = left.erase(entry);
            } else {
                ++entry;
            }
        stops += stopped;
        withoutIndex += stopped && !left.count("index.xml");
        // A folder with an index.xml holds every file of the same export.
        if (left.count("index.xml")) {
            EXPECT_EQ(differing(left, left.at("index.xml") == later.at("index.xml") ? later : earlier), "");
        }

        putFiles(m_folder, earlier);
        steps = 0;
        gdpdu::setStepHook([&] {
            if (++steps == step)
                for (const QString &working : QDir(m_folder).entryList({".gdpdu-export-*"}, QDir::Dirs | QDir::Hidden))
                    for (const QString &waiting : QDir(inFolder(working)).entryList(QDir::Files))
                        QFile::remove(QDir(inFolder(working)).filePath(waiting));
            return true;
        });
        const gdpdu::ExportResult result = exportNow();
        failed = !result.ok;
        failures += failed;
        EXPECT_EQ(result.error.endsWith("“ konnte nicht angelegt werden.\nDer Export wurde abgebrochen; der Ordner "
                                        "ist unverändert."),
                  failed)
            << result.error.toStdString();
        ASSERT_EQ(differing(folderFiles(m_folder), failed ? earlier : later), "");
    }
    EXPECT_GE(stops, 2 * (m_db->tableNames().size() + 2) - 1);
    EXPECT_EQ(withoutIndex, stops - 1);
    EXPECT_GE(failures, 2 * (m_db->tableNames().size() + 2) - 1);
}

// What the files above show no case of: an empty text is quoted, a missing
// value is not there at all, and a value the file could only show empty or
// changed is refused (no field).
TEST(GdpduFields, EachKindIsWrittenAsTheDescriptionSaysOrNotAtAll)
{
    using enum gdpdu::ColumnKind;
    const std::vector<std::tuple<gdpdu::ColumnKind, QVariant, std::optional<QString>>> cases = {
        {Quantity, qint64(-3), "-3,000"}, {Quantity, 0.35, "0,350"},   {Text, QString(), "\"\""},
        {Text, QVariant(), ""},           {Money, QVariant(), ""},     {Date, "06.12.2026", std::nullopt},
        {Money, "abc", std::nullopt},     {Money, 12.5, std::nullopt}, {WholeNumber, "12", std::nullopt},
        {Quantity, "viel", std::nullopt}};
    for (const auto &[kind, value, field] : cases)
        EXPECT_EQ(gdpdu::csvField(kind, value), field) << value.toString().toStdString();
}
