#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include "data/database.h"

// The fixture of the widget-free tests: every test starts with a fresh
// database of the program's own schema in a temporary folder, which is also
// the working directory, where the program keeps its files. It offers what the
// screens' fixture offers apart from screens and dialogs, under the same name
// and include path, so that a test that needs no widgets moves here unchanged.
class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs SQL against the test database and fails the test if it is refused.
    void exec(const QString &sql, const std::vector<QVariant> &params = {});
    QVariant scalar(const QString &sql, const std::vector<QVariant> &params = {});
    qint64 count(const QString &table);

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<Database> m_db;
};

// Lets failing checks show texts as text rather than as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
