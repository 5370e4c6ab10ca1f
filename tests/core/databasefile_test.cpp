#include <gtest/gtest.h>

#include <QDir>

#include "data/database.h"
#include "support/fixture.h"

using DatabaseFile = DatabaseTest;

TEST_F(DatabaseFile, ReopeningKeepsTheDataAndNothingOverwritesAnExistingFile)
{
    exec("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Meier')");
    const QString path = m_db->path();
    m_db.reset();

    // Creating over the shop's data is refused and leaves it as it was.
    QString error;
    EXPECT_FALSE(Database::createFile(path, &error));
    EXPECT_TRUE(error.contains("besteht bereits")) << error.toStdString();

    m_db = Database::openOrCreate(path, &error);
    ASSERT_TRUE(m_db) << error.toStdString();
    EXPECT_EQ(scalar("SELECT Customername FROM Customer WHERE CustomerID = 1").toString(), QString("Meier"));
    EXPECT_EQ(count("Settings"), 1) << "opening again adds no second settings row";
    EXPECT_EQ(count("UserAccount"), 1) << "opening again adds no second administrator";

    // A folder that does not exist gives a German message and no database.
    error.clear();
    const QString nowhere = m_dir.filePath(QStringLiteral("fehlt/zazozu.db"));
    EXPECT_FALSE(Database::openOrCreate(nowhere, &error));
    EXPECT_TRUE(error.contains("kann nicht geöffnet werden")) << error.toStdString();
    EXPECT_FALSE(QDir(m_dir.filePath(QStringLiteral("fehlt"))).exists());
}
