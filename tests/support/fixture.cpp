#include "support/fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QSettings>

#include "platform/screens.h"
#include "shell/session.h"
#include "platform/clock.h"

void DatabaseTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    QString error;
    m_db = Database::openOrCreate(m_dir.filePath(QString::fromLatin1(Database::FileName)), &error);
    ASSERT_TRUE(m_db) << error.toStdString();
    Database::setCurrent(m_db.get());
    m_dialogs = &ScriptedDialogs::install();
    screens().unloadAll();
    session() = Session{};
    // The printer choice of one test must not leak into the next.
    QSettings(QStringLiteral("DorERIRE"), QStringLiteral("DorERIRE")).clear();
}

void DatabaseTest::TearDown()
{
    screens().unloadAll();
    processEvents();
    setClock(nullptr);
    Database::setCurrent(nullptr);
    m_db.reset();
    QDir::setCurrent(m_previousDir);
}

void DatabaseTest::exec(const QString &sql, const std::vector<QVariant> &params)
{
    ASSERT_TRUE(m_db->execute(sql, params)) << m_db->lastError().toStdString() << " in " << sql.toStdString();
}

QVariant DatabaseTest::scalar(const QString &sql, const std::vector<QVariant> &params)
{
    return m_db->scalar(sql, params);
}

qint64 DatabaseTest::count(const QString &table)
{
    return m_db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(quoteName(table))).toLongLong();
}

void DatabaseTest::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
