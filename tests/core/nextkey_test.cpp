#include <gtest/gtest.h>

#include <limits>

#include "data/database.h"
#include "support/fixture.h"

using NextKey = DatabaseTest;

// A highest key that has no next whole number is refused with a message,
// never answered with a key that wraps round or is already in use.
TEST_F(NextKey, AHighestKeyWithoutASuccessorGivesNoKey)
{
    exec("INSERT INTO Customer (CustomerID) VALUES (?1)", {std::numeric_limits<qint64>::max()});
    EXPECT_EQ(m_db->nextKey("Customer", "CustomerID"), std::nullopt);
    EXPECT_TRUE(m_db->lastError().contains("„CustomerID“")) << m_db->lastError().toStdString();

    exec("INSERT INTO Deliveries (deliveryno, quantity) VALUES (2.5, 1)");
    EXPECT_EQ(m_db->nextKey("Deliveries", "deliveryno"), std::nullopt);
    exec("UPDATE Deliveries SET deliveryno = 41");
    EXPECT_EQ(m_db->nextKey("Deliveries", "deliveryno"), std::optional<qint64>(42));
    EXPECT_TRUE(m_db->lastError().isEmpty());
}
