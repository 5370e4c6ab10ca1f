#include <gtest/gtest.h>

#include <sqlcipher/sqlite3.h>

#include "data/database.h"
#include "support/fixture.h"

using Statements = DatabaseTest;

// A statement that fails halfway through its rows, or whose values do not
// bind, is a failure that changed nothing, and it serves again at once.
TEST_F(Statements, AFailedStatementFailsAndServesAgain)
{
    exec("INSERT INTO Sales (salesid, totalsales) VALUES (1, 100), (2, 200)");
    const QString failsAtSecondRow =
        "SELECT CASE WHEN salesid = 2 THEN abs(-9223372036854775807 - 1) ELSE salesid END FROM Sales ORDER BY salesid";
    EXPECT_FALSE(m_db->select(failsAtSecondRow));
    EXPECT_FALSE(m_db->select("SELECT totalsales FROM Sales WHERE salesid = ?1", {1, 2}));
    EXPECT_FALSE(m_db->execute("UPDATE Sales SET totalsales = ?1", {1, 2}));
    EXPECT_EQ(scalar("SELECT totalsales FROM Sales WHERE salesid = ?1", {1}).toLongLong(), 100);
}

// A statement a caller holds stays whole however many others are prepared
// after it, and nobody else is handed it while it is held; the statements
// the database keeps stay few.
TEST_F(Statements, AHeldStatementStaysWholeAndItsOwn)
{
    exec("INSERT INTO Sales (salesid, totalsales) VALUES (1, 100), (2, 200), (3, 300)");
    const QString text = "SELECT salesid FROM Sales ORDER BY salesid";
    const std::shared_ptr<Statement> held = m_db->prepared(text);
    ASSERT_TRUE(held);
    const auto next = [&held] { return held->step() == SQLITE_ROW ? sqlite3_column_int64(held->handle(), 0) : -1; };
    {
        const Statement::Use use(*held);
        EXPECT_EQ(next(), 1);
        // The same text run meanwhile by someone else, from the first row.
        EXPECT_EQ(m_db->scalar(text).toLongLong(), 1);
        EXPECT_NE(m_db->prepared(text), held);
        // Many other texts, more than the database keeps.
        for (int i = 0; i < 300; ++i)
            ASSERT_TRUE(m_db->select(QStringLiteral("SELECT salesid + %1 FROM Sales").arg(i)));
        EXPECT_EQ(next(), 2);
        EXPECT_EQ(next(), 3);
        EXPECT_EQ(next(), -1);
    }

    int open = 0;
    sqlite3 *connection = sqlite3_db_handle(held->handle());
    for (sqlite3_stmt *s = sqlite3_next_stmt(connection, nullptr); s; s = sqlite3_next_stmt(connection, s))
        ++open;
    EXPECT_LE(open, 70) << "the kept statements are bounded";
}
