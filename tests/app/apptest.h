#pragma once

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/passwords.h"
#include "support/fixture.h"

// The shell's tests: a fresh database with the administrator account (empty
// password) and helpers to add staff accounts.
class AppTest : public DatabaseTest
{
protected:
    static inline const QString Admin = QString::fromLatin1(Database::AdministratorId);
    static inline const QString Live = QString::fromLatin1(Database::FileName);
    static inline const QString HandOver = QString::fromLatin1(Database::HandOverFileName);
    static inline const QString Template = QString::fromLatin1(Database::TemplateFileName);

    void addUser(const QString &userId, const QString &password, const QVariant &name = {})
    {
        exec("INSERT INTO UserAccount (UserID, Password, Name) VALUES (?1, ?2, ?3)",
             {userId, passwords::hash(password), name});
    }

    QString storedHash(const QString &userId)
    {
        return scalar("SELECT Password FROM UserAccount WHERE UserID = ?1", {userId}).toString();
    }

    static void typeInto(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    // Closes the test's database, as the program ends or before it starts.
    void closeDatabase()
    {
        Database::setCurrent(nullptr);
        m_db.reset();
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The shop's files hold its customers: for their owner's eyes only.
    static bool ownerOnly(const QString &file)
    {
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::WriteOther | QFile::ExeOther;
        return (QFile::permissions(file) & QFile::WriteOwner) && !(QFile::permissions(file) & others);
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};
