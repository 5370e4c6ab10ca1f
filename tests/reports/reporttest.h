#pragma once

#include "data/database.h"
#include "reports/previews.h"
#include "support/fixture.h"

// How a report's record source (a view) can fail to be read: it is gone, or
// it opens but its rows cannot be read (a damaged file, a value the database
// cannot compute). False when the view cannot be changed so.
enum class Unreadable { Gone, RowsFail };
inline bool makeUnreadable(Database &database, const QString &view, Unreadable how)
{
    const QString created =
        database.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?1 AND type = 'view'"), {view})
            .toString();
    const QString select = created.mid(created.indexOf(QLatin1String(" AS "), 0, Qt::CaseInsensitive) + 4);
    if (created.isEmpty() || !database.execute(QStringLiteral("DROP VIEW %1").arg(quoteName(view))))
        return false;
    // The overflow is raised for each row read, never when the view only
    // tells its columns.
    return how == Unreadable::Gone ||
           database.execute(QStringLiteral("CREATE VIEW %1 AS SELECT * FROM (%2) WHERE abs(-9223372036854775807 - 1)")
                                .arg(quoteName(view), select));
}

// The reports' tests: a shop in the settings and helpers to store sales and
// deliveries as the till and the delivery booking store them.
class ReportsTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("UPDATE Settings SET cName = 'Pizzeria Süd', cAddress = 'Hauptstr. 5', cPlace = '12345 Köln'");
    }
    void TearDown() override
    {
        previews::closeAll();
        DatabaseTest::TearDown();
    }

    // Amounts in cents.
    void addSale(int id, const QString &date, qint64 total, const QString &cashier, qint64 mwst1, qint64 mwst2)
    {
        exec("INSERT INTO Sales (salesid, Date, totalsales, custid, cashierid, mwst2, mwst1)"
             " VALUES (?1, ?2, ?3, 1, ?4, ?5, ?6)",
             {id, date, total, cashier, mwst2, mwst1});
    }
    void addDelivery(int number, int product, double quantity, qint64 orderPrice, const QString &date)
    {
        exec("INSERT INTO Deliveries VALUES (?1, ?2, ?3, ?4, ?5)", {number, product, quantity, orderPrice, date});
    }
};
