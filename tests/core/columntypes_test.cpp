#include <gtest/gtest.h>

#include "data/database.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "support/fixture.h"

using ColumnTypes = DatabaseTest;

// Every column of every table and record source says what it holds: a column
// the list forgot would read, be typed and be exported as plain text.
TEST_F(ColumnTypes, EveryColumnOfTheShopIsListedAndReadByItsType)
{
    const auto sources = m_db->select("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')");
    ASSERT_TRUE(sources);
    ASSERT_GE(sources->values.size(), 17u);
    for (const auto &source : sources->values) {
        const QString name = source.front().toString();
        const auto columns = m_db->select(QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(name)));
        ASSERT_TRUE(columns && !columns->values.empty()) << name.toStdString();
        for (const auto &column : columns->values)
            EXPECT_TRUE(schema::columnType(name, column[1].toString()))
                << name.toStdString() << "." << column[1].toString().toStdString();
    }

    // The same name holds money in one source and not in another.
    exec("INSERT INTO Customer (CustomerID, Customername, accountbalance) VALUES (7, 'Meier', 123450)");
    Recordset owing;
    ASSERT_TRUE(owing.open(m_db.get(), "SELECT * FROM Lieferungen", true));
    EXPECT_EQ(owing.text("Total"), QString("1.234,50"));
    EXPECT_EQ(owing.text("CustomerID"), QString("7"));
    Recordset counted;
    ASSERT_TRUE(counted.open(m_db.get(), "SELECT CustomerID AS Total FROM Customer", true));
    EXPECT_EQ(counted.text("Total"), QString("7"));
    // How typed text is read by the column's type: see productstore_test.cpp.
}
