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
    static void step(sqlite3_stmt *statement, std::initializer_list<qint64> values)
    {
        int index = 1;
        for (qint64 value : values)
            sqlite3_bind_int64(statement, index++, value);
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_sale = nullptr;
    sqlite3_stmt *m_line = nullptr;
    sqlite3_stmt *m_stock = nullptr;
};
} // namespace

Figures storeSaleFigures(const ShopSize &size)
{
    const QString path = shopDatabase(size);
    QString error;
    auto db = Database::openOrCreate(path, &error);
    RawStore raw(path);
    constexpr int Runs = 31;
    return {{"store", medianMs(Runs,
                               [&] {
                                   QString why;
                                   Sale sale = tenLineSale();
                                   if (!storeSale(*db, sale, &why))
                                       std::fprintf(stderr, "not stored: %s\n", qPrintable(why));
                               })},
            {"raw", medianMs(Runs, [&] { raw.store(nextSaleNumber(*db).value_or(0)); })}};
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
