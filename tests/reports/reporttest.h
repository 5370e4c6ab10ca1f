#pragma once

#include "reports/previews.h"
#include "support/fixture.h"

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
