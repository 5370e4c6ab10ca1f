#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include "data/database.h"

// Every test starts with a fresh database of the program's own schema in a
// temporary folder, which is also the working directory, where the program
// keeps its files; the printer choice is unset and the clock is the system's.
// The widget-free tests use it as it is (support/fixture.h in core/), the
// screens' fixture adds screens and dialogs on top.
class DatabaseFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs SQL against the test database and fails the test if it is refused.
    void exec(const QString &sql, const std::vector<QVariant> &params = {});
    QVariant scalar(const QString &sql, const std::vector<QVariant> &params = {});
    qint64 count(const QString &table);
    // Opens the database again so that it gives up waiting for another
    // program's lock at once: for the tests of a database in use.
    void reopenWaitingBriefly();

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<Database> m_db;
};

// What every test program's main() does once its application object exists:
// a settings folder of its own, then every test.
int runAllTests(int &argc, char **argv);

// Lets failing checks show texts as text rather than as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
