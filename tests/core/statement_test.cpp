#include <gtest/gtest.h>

#include "data/database.h"
#include "support/fixture.h"

using Statements = DatabaseTest;

// A statement that fails halfway through its rows, or whose values do not
// bind, leaves no read open behind it: another till can still write and fold
// the log into the file, the statement serves again at once, and every
// statement ends with its connection, which then leaves the file complete.
TEST_F(Statements, AFailedStatementLeavesNothingOpen)
{
    exec("INSERT INTO Sales (salesid, totalsales) VALUES (1, 100), (2, 200)");
    const QString failsAtSecondRow =
        "SELECT CASE WHEN salesid = 2 THEN abs(-9223372036854775807 - 1) ELSE salesid END FROM Sales ORDER BY salesid";
    EXPECT_FALSE(m_db->select(failsAtSecondRow));
    EXPECT_FALSE(m_db->select("SELECT salesid FROM Sales WHERE salesid = ?1", {1, 2}));
    EXPECT_FALSE(m_db->execute("UPDATE Sales SET totalsales = ?1", {1, 2}));

    QString error;
    auto otherTill = Database::open(m_db->path(), &error);
    ASSERT_TRUE(otherTill) << error.toStdString();
    ASSERT_TRUE(otherTill->execute("INSERT INTO Sales (salesid, totalsales) VALUES (3, 300)"))
        << otherTill->lastError().toStdString();
    EXPECT_TRUE(otherTill->checkpoint()) << otherTill->lastError().toStdString();

    EXPECT_EQ(scalar("SELECT sum(totalsales) FROM Sales WHERE salesid = ?1 OR salesid = ?2", {1, 3}).toLongLong(), 400);
    EXPECT_TRUE(m_db->select("SELECT salesid FROM Sales WHERE salesid = ?1", {1}));

    const QString path = m_db->path();
    otherTill.reset();
    Database::setCurrent(nullptr);
    m_db.reset();
    EXPECT_EQ(Database::journalFiles(path), QStringList());
}
