#include "databasefixture.h"

#include <chrono>

#include <QDir>
#include <QSettings>

#include "platform/clock.h"

void DatabaseFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    QString error;
    m_db = Database::openOrCreate(m_dir.filePath(QString::fromLatin1(Database::FileName)), &error);
    ASSERT_TRUE(m_db) << error.toStdString();
    Database::setCurrent(m_db.get());
    // The printer choice of one test must not leak into the next.
    QSettings(QStringLiteral("DorERIRE"), QStringLiteral("DorERIRE")).clear();
}

void DatabaseFixture::TearDown()
{
    Database::setBusyTimeout(std::chrono::seconds(5)); // the program's own wait
    setClock(nullptr);
    Database::setCurrent(nullptr);
    m_db.reset();
    QDir::setCurrent(m_previousDir);
}

void DatabaseFixture::exec(const QString &sql, const std::vector<QVariant> &params)
{
    ASSERT_TRUE(m_db->execute(sql, params)) << m_db->lastError().toStdString() << " in " << sql.toStdString();
}

QVariant DatabaseFixture::scalar(const QString &sql, const std::vector<QVariant> &params)
{
    return m_db->scalar(sql, params);
}

qint64 DatabaseFixture::count(const QString &table)
{
    return m_db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(quoteName(table))).toLongLong();
}

void DatabaseFixture::reopenWaitingBriefly()
{
    Database::setBusyTimeout(std::chrono::milliseconds(50));
    Database::setCurrent(nullptr);
    m_db = Database::open(m_db->path(), nullptr);
    ASSERT_TRUE(m_db);
    Database::setCurrent(m_db.get());
}

int runAllTests(int &argc, char **argv)
{
    // Test programs run side by side: each keeps its printer choice in a
    // settings folder of its own.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
