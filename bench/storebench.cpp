#include "storebench.h"

#include <cstdlib>
#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/database.h"
#include "reports/gdpduexport.h"
#include "till/salestore.h"

namespace {
constexpr int Lines = 10;

Sale tenLineSale()
{
    Sale sale;
    sale.date = QDate(2026, 12, 6);
    sale.total = Money::fromCents(Lines * 250);
    sale.customerId = QStringLiteral("1");
    sale.cashierId = QString::fromLatin1(Database::AdministratorId);
    sale.fullRateTax = Money::fromCents(399);
    for (int line = 1; line <= Lines; ++line)
        sale.lines.push_back({QString::number(line * 7), QStringLiteral("Kategorie 7"), QStringLiteral("Artikel"),
                              QStringLiteral("1"), QStringLiteral("2,50"), Money::fromCents(250),
                              QStringLiteral("19")});
    return sale;
}

void step(sqlite3_stmt *statement, std::initializer_list<qint64> values)
{
    int index = 1;
    for (qint64 value : values)
        sqlite3_bind_int64(statement, index++, value);
    sqlite3_step(statement);
    sqlite3_reset(statement);
}

// The same rows as storeSale writes, through the C API with statements
// prepared once: the least any program can do for them.
class RawStore
{
public:
    explicit RawStore(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(m_db, (std::string("PRAGMA key = '") + DatabasePassword + "';").c_str(), nullptr, nullptr,
                     nullptr);
        sqlite3_busy_timeout(m_db, 5000);
        sqlite3_prepare_v2(m_db, "INSERT INTO Sales VALUES (?1, '2026-12-06', 2500, 1, 'ops-warden5830', 0, 399)", -1,
                           &m_sale, nullptr);
        sqlite3_prepare_v2(m_db, "INSERT INTO SalesDetails VALUES (?1, ?2, 1, 250)", -1, &m_line, nullptr);
        sqlite3_prepare_v2(m_db, "UPDATE Products SET Quantity = Quantity - 1 WHERE ProductID = ?1", -1, &m_stock,
                           nullptr);
    }
    ~RawStore()
    {
        for (sqlite3_stmt *statement : {m_sale, m_line, m_stock})
            sqlite3_finalize(statement);
        sqlite3_close(m_db);
    }

    void store(qint64 salesId)
    {
        sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        step(m_sale, {salesId});
        for (int line = 1; line <= Lines; ++line) {
            step(m_line, {salesId, line * 7});
            step(m_stock, {line * 7});
        }
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    }

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_sale = nullptr;
    sqlite3_stmt *m_line = nullptr;
    sqlite3_stmt *m_stock = nullptr;
};
// The least a program that stores the same rows and running sums needs: a
// file of its own, encrypted and written as the till writes, with no more
// than a key per table and no trigger, as many sales and lines as the shop's,
// and the running sum written by the statements themselves.
class MinimalStore
{
public:
    explicit MinimalStore(const ShopSize &size)
    {
        const QString path = QStringLiteral(KASSE_BENCH_DATA "/minimal-%1.db").arg(QString::fromLatin1(size.name));
        const bool fresh = !QFile::exists(path);
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
        exec(std::string("PRAGMA key = '") + DatabasePassword + "'");
        exec("PRAGMA journal_mode = WAL");
        exec("PRAGMA synchronous = FULL");
        if (fresh)
            fill(size);
        sqlite3_prepare_v2(m_db, "INSERT INTO Sales VALUES (?1, '2026-12-06', 2500, 1, 'ops-warden5830', 0, 399)", -1,
                           &m_sale, nullptr);
        sqlite3_prepare_v2(m_db, "INSERT INTO SalesDetails VALUES (?1, ?2, 1, 250)", -1, &m_line, nullptr);
        sqlite3_prepare_v2(m_db, "UPDATE Products SET Quantity = Quantity - 1 WHERE ProductID = ?1", -1, &m_stock,
                           nullptr);
        sqlite3_prepare_v2(m_db, "INSERT OR IGNORE INTO ProductTotals (productid) VALUES (?1)", -1, &m_totalRow,
                           nullptr);
        sqlite3_prepare_v2(m_db, "UPDATE ProductTotals SET sold = sold + 1 WHERE productid = ?1", -1, &m_total,
                           nullptr);
        m_next = 1 + sqlite3_int64(size.sales) + 1000;
    }
    ~MinimalStore()
    {
        for (sqlite3_stmt *statement : {m_sale, m_line, m_stock, m_totalRow, m_total})
            sqlite3_finalize(statement);
        sqlite3_close(m_db);
    }

    void store()
    {
        const qint64 salesId = m_next++;
        exec("BEGIN IMMEDIATE");
        step(m_sale, {salesId});
        for (int line = 1; line <= Lines; ++line) {
            step(m_line, {salesId, line * 7});
            step(m_stock, {line * 7});
            step(m_totalRow, {line * 7});
            step(m_total, {line * 7});
        }
        exec("COMMIT");
    }

private:
    void exec(const std::string &sql) { sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr); }

    void fill(const ShopSize &size)
    {
        const std::string numbers = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ";
        exec("BEGIN");
        exec("CREATE TABLE Sales (salesid INTEGER PRIMARY KEY, Date TEXT, totalsales INTEGER, custid INTEGER,"
             " cashierid TEXT, mwst2 INTEGER, mwst1 INTEGER)");
        exec("CREATE TABLE SalesDetails (salesid INTEGER, productid INTEGER, quantity NUMERIC, salesprice INTEGER)");
        exec("CREATE TABLE Products (ProductID INTEGER PRIMARY KEY, Quantity NUMERIC)");
        exec("CREATE TABLE ProductTotals (productid INTEGER PRIMARY KEY, sold NUMERIC NOT NULL DEFAULT 0)");
        exec(numbers + std::to_string(size.products) + ") INSERT INTO Products SELECT i, 500 FROM n");
        exec(numbers + std::to_string(size.sales) +
             ") INSERT INTO Sales SELECT i, '2025-01-01', 750, 1 + i % 100, 'ops-warden5830', 0, 120 FROM n");
        exec(numbers + std::to_string(3LL * size.sales) +
             ") INSERT INTO SalesDetails SELECT 1 + (i - 1) / 3, 1 + (i *" + " 7919) % " +
             std::to_string(size.products) + ", 1, 250 FROM n");
        exec("INSERT INTO ProductTotals SELECT productid, sum(quantity) FROM SalesDetails GROUP BY productid");
        exec("COMMIT");
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_sale = nullptr;
    sqlite3_stmt *m_line = nullptr;
    sqlite3_stmt *m_stock = nullptr;
    sqlite3_stmt *m_totalRow = nullptr;
    sqlite3_stmt *m_total = nullptr;
    qint64 m_next = 0;
};
} // namespace

Figures storeSaleFigures(const ShopSize &size)
{
    const QString path = shopDatabase(size);
    QString error;
    auto db = Database::openOrCreate(path, &error);
    RawStore raw(path);
    MinimalStore minimal(size);
    constexpr int Runs = 31;
    return {{"store", medianMs(Runs,
                               [&] {
                                   QString why;
                                   Sale sale = tenLineSale();
                                   if (!storeSale(*db, sale, &why))
                                       std::fprintf(stderr, "not stored: %s\n", qPrintable(why));
                               })},
            {"raw", medianMs(Runs, [&] { raw.store(nextSaleNumber(*db).value_or(0)); })},
            {"minimal", medianMs(Runs, [&] { minimal.store(); })}};
}

Figures exportFigures(const ShopSize &size)
{
    const QString path = shopDatabase(size);
    Figures figures{{"before", residentMb()}};
    QTemporaryDir folder;
    QStringList tables;
    {
        QString error;
        auto db = Database::openOrCreate(path, &error);
        tables = db->tableNames();
    }
    QDir().mkpath(folder.filePath(QStringLiteral("export")));
    figures["export"] = medianMs(1, [&] {
        const auto result = gdpdu::exportDatabase(path, folder.filePath(QStringLiteral("export")),
                                                  {QStringLiteral("Bench"), QStringLiteral("Berlin"), QString()});
        if (!result.ok)
            std::fprintf(stderr, "export failed: %s\n", qPrintable(result.error));
    });
    figures["rss"] = peakResidentMb();

    // The command-line tool writes each table to its own file, as the export does.
    QFile script(folder.filePath(QStringLiteral("cli.sql")));
    script.open(QIODevice::WriteOnly);
    script.write(QByteArray("PRAGMA key = '") + DatabasePassword + "';\n.mode csv\n.headers on\n");
    for (const QString &table : tables)
        script.write(QStringLiteral(".output %1/%2.csv\nSELECT * FROM \"%2\";\n")
                         .arg(folder.filePath(QStringLiteral("cli")), table)
                         .toUtf8());
    script.close();
    QDir().mkpath(folder.filePath(QStringLiteral("cli")));
    const std::string command =
        QStringLiteral("sqlcipher '%1' < '%2' > /dev/null").arg(path, script.fileName()).toStdString();
    figures["cli"] = medianMs(1, [&] {
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "sqlcipher failed\n");
    });
    return figures;
}
