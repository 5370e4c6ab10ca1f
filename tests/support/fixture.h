#pragma once

#include <memory>
#include <ostream>

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include "data/database.h"
#include "platform/ui/scripteddialogs.h"

// Every test starts with a fresh database of the program's own schema in a
// temporary folder (also the working directory, where the program keeps its
// files), scripted dialogs, no loaded screens and an empty session.
class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs SQL against the test database and fails the test if it is refused.
    void exec(const QString &sql, const std::vector<QVariant> &params = {});
    QVariant scalar(const QString &sql, const std::vector<QVariant> &params = {});
    qint64 count(const QString &table);

    // Lets posted events run, deleting unloaded screens among them.
    static void processEvents();

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<Database> m_db;
    ScriptedDialogs *m_dialogs = nullptr;
};

// Lets failing checks show texts as text rather than as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
