#include "shopdata.h"

#include <cstdio>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "data/database.h"

namespace {
// The numbers 1..?1, for filling tables in one statement.
const QString Numbers = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?1) ");

bool fill(Database &db, const ShopSize &size)
{
    const QString start = QString::fromLatin1(SalesStart);
    const std::vector<QString> statements = {
        QStringLiteral("INSERT INTO Category (CategoryID, Category) SELECT i, 'Kategorie ' || (i - 1) FROM n"),
        QStringLiteral("INSERT INTO Supplier (SupplierID, SupplierName) SELECT i, 'Lieferant ' || i FROM n"
                       " WHERE i <= 50"),
        QStringLiteral("INSERT INTO Brands (ID, Brand) SELECT i, 'Marke ' || i FROM n WHERE i <= 20"),
        QStringLiteral("INSERT INTO Products (ProductID, ArtNr, Description, SupplierID, Category, Brands, Size,"
                       " Quantity, Mwst, OrderPrice, SalesPrice)"
                       " SELECT i, printf('400%010d', i), 'Artikel ' || i, 1 + i % 50, CASE WHEN i % 4 = 0 THEN"
                       " 'Kategorie 0' WHEN i % 100 = 1 THEN 'Kategorie 1' ELSE 'Kategorie ' || (2 + (i % 97) *"
                       " (i % 97) % 98) END,"
                       " 'Marke ' || (1 + i % 20), '1 Stk', 500, CASE WHEN i % 3 = 0 THEN '7' ELSE '19' END,"
                       " 100 + i % 900, 150 + i % 1200 FROM n"),
        QStringLiteral("INSERT INTO Customer (CustomerID, Customername, Address, Place, ContactNumber,"
                       " accountbalance) SELECT i, 'Kunde ' || i, 'Straße ' || i, '10115 Berlin',"
                       " '030' || (1000000 + i), 0 FROM n"),
        QStringLiteral("INSERT INTO Sales (salesid, Date, totalsales, custid, cashierid, mwst2, mwst1)"
                       " SELECT i, date(?2, '+' || ((i - 1) * ?3 / ?1) || ' days'), 750, 1 + i % 100,"
                       " 'ops-warden5830', 0, 120 FROM n"),
        QStringLiteral("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice)"
                       " SELECT 1 + (i - 1) / 3, 1 + (i * 7919) % ?2, 1, 250 FROM n"),
        QStringLiteral("INSERT INTO Deliveries (deliveryno, prodno, quantity, orderprice, Date)"
                       " SELECT 1 + (i - 1) / 5, 1 + (i - 1) % ?2, 20, 100, ?3 FROM n"),
    };
    const std::vector<std::vector<QVariant>> params = {
        {Categories},
        {50},
        {20},
        {size.products},
        {size.customers},
        {size.sales, start, SalesDays},
        {3LL * size.sales, size.products},
        {2LL * size.products, size.products, start},
    };
    Database::Transaction transaction(db);
    for (std::size_t i = 0; i < statements.size(); ++i)
        if (!db.execute(Numbers + statements[i], params[i]))
            return false;
    return transaction.commit();
}
} // namespace

QString articleNumber(int productId)
{
    return QStringLiteral("400%1").arg(productId, 10, 10, QChar(u'0'));
}

QString shopDatabase(const ShopSize &size)
{
    QDir().mkpath(QStringLiteral(KASSE_BENCH_DATA));
    const QString path = QStringLiteral(KASSE_BENCH_DATA "/%1.db").arg(QString::fromLatin1(size.name));
    if (QFile::exists(path))
        return path;
    const QString building = path + QStringLiteral(".building");
    QFile::remove(building);
    std::fprintf(stderr, "building the %s shop's database (once) ...\n", size.name);
    QElapsedTimer clock;
    clock.start();
    QString error;
    {
        auto db = Database::openOrCreate(building, &error);
        if (!db || !fill(*db, size)) {
            std::fprintf(stderr, "cannot build %s: %s\n", qPrintable(building),
                         qPrintable(db ? db->lastError() : error));
            std::exit(1);
        }
    }
    QFile::rename(building, path);
    std::fprintf(stderr, "built in %.1f s\n", clock.elapsed() / 1000.0);
    return path;
}
