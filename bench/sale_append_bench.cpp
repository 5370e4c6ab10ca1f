// Storing a sale must cost the same whether the shop has sold a thousand
// times or a million: compare the two with
//   build/bench/sale_append_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "data/database.h"
#include "data/datacontrol.h"

namespace {
std::unique_ptr<Database> databaseWithSales(const QTemporaryDir &dir, qint64 sales)
{
    QString error;
    auto db = Database::openOrCreate(dir.filePath(QStringLiteral("bench.db")), &error);
    Database::Transaction fill(*db);
    db->execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?1) "
                               "INSERT INTO Sales (salesid, Date, totalsales) SELECT i, '2026-01-01', 1000 FROM n"),
                {sales});
    db->execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?1) "
                               "INSERT INTO SalesDetails SELECT i, 1, 1, 1000 FROM n"),
                {sales});
    fill.commit();
    return db;
}

void appendSale(benchmark::State &state)
{
    QTemporaryDir dir;
    auto db = databaseWithSales(dir, state.range(0));
    Database::setCurrent(db.get());
    DataControl sales{QStringLiteral("Sales")};
    DataControl details{QStringLiteral("SalesDetails")};
    sales.refresh();
    details.refresh();
    for (auto _ : state) {
        Database::Transaction transaction(*db);
        const qint64 salesid = db->nextKey(QStringLiteral("Sales"), QStringLiteral("salesid")).value_or(0);
        sales->addNew();
        sales->setValue(QStringLiteral("salesid"), salesid);
        sales->setMoney(QStringLiteral("totalsales"), Money::fromCents(2500));
        sales->update();
        for (int line = 0; line < 10; ++line) {
            details->addNew();
            details->setValue(QStringLiteral("salesid"), salesid);
            details->setValue(QStringLiteral("productid"), line);
            details->setValue(QStringLiteral("quantity"), 1);
            details->setMoney(QStringLiteral("salesprice"), Money::fromCents(250));
            details->update();
        }
        transaction.commit();
    }
    Database::setCurrent(nullptr);
}
} // namespace

BENCHMARK(appendSale)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
