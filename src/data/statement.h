#pragma once

#include <vector>

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement that finalizes itself: whichever way the code
// using it ends (a failed bind, a failed step, an early return), nothing is
// left for the connection to close around. Never copied, as the handle is
// not: the statements kept for another use are shared by pointer.
class Statement
{
public:
    // Prepares the text; isValid() is false when the database refuses it.
    Statement(sqlite3 *connection, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isValid() const { return m_handle != nullptr; }
    sqlite3_stmt *handle() const { return m_handle; }

    // Binds the values to ?1, ?2, ... in order: SQLite counts parameters
    // from 1, not 0. See Database for how values cross over.
    bool bind(const std::vector<QVariant> &params);
    // One step: SQLITE_ROW while rows come, SQLITE_DONE at the end, any other
    // code on failure.
    int step();
    // Makes the statement ready to run again and forgets its bound values: a
    // statement left after a row it stepped to keeps its read lock open.
    void reset();

    // A kept statement used once: reset when the use ends, however it ends.
    class Use
    {
    public:
        explicit Use(Statement &statement) : m_statement(statement) {}
        ~Use() { m_statement.reset(); }
        Use(const Use &) = delete;
        Use &operator=(const Use &) = delete;

    private:
        Statement &m_statement;
    };

private:
    sqlite3_stmt *m_handle = nullptr;
};
