#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "data/recordset.h"
#include "support/fixture.h"

using BoundSources = DatabaseTest;

// A record source takes its values bound, never written into its text: a
// cashier's id with an apostrophe is a name like any other, and a filter,
// a search and a list of columns on top of the source keep its values.
TEST_F(BoundSources, ValuesStayValuesThroughFilterSearchAndLists)
{
    const char *cashiers[] = {"o'neil", "anna", "o'neil", "anna", "o'neil"};
    for (int id = 1; id <= 5; ++id)
        exec("INSERT INTO Sales (salesid, Date, totalsales, cashierid) VALUES (?1, ?2, ?3, ?4)",
             {id, QStringLiteral("2026-12-0%1").arg(id), id * 100, QString::fromLatin1(cashiers[id - 1])});

    DataControl sales;
    sales.setRecordSource("SELECT * FROM EntireSales WHERE CashierID = ?1 AND Date >= ?2 ORDER BY ID",
                          DataControl::CommandType::Text, {QString("o'neil"), QString("2026-12-02")});
    ASSERT_TRUE(sales.refresh()) << sales->lastError().toStdString();
    EXPECT_EQ(sales->rowTexts({"ID", "Total"}), (std::vector<QStringList>{{"3", "3,00"}, {"5", "5,00"}}));
    EXPECT_EQ(sales->recordCount(), 2);
    EXPECT_TRUE(sales->find({"ID", "5"}));
    EXPECT_EQ(sales->text("Date"), QString("05.12.2026"));

    ASSERT_TRUE(sales.refresh());
    sales->setFilter({{"Total", "300"}});
    EXPECT_EQ(sales->recordCount(), 1);
    EXPECT_EQ(sales->text("ID"), QString("3"));

    // A table read with a bound condition stays writable.
    Recordset details;
    ASSERT_TRUE(details.open(m_db.get(), "select * from Sales where salesid > ?1", true, {3}));
    EXPECT_TRUE(details.isWritable());
    EXPECT_EQ(details.recordCount(), 2);
    ASSERT_TRUE(details.find({"salesid", "4"}));
    ASSERT_TRUE(details.setText("totalsales", "9,99"));
    ASSERT_TRUE(details.update()) << details.lastError().toStdString();
    EXPECT_EQ(scalar("SELECT totalsales FROM Sales WHERE salesid = 4").toLongLong(), 999);
}
