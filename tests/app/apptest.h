#pragma once

#include <QComboBox>
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
    void addUser(const QString &userId, const QString &password, const QVariant &name = {})
    {
        exec(QStringLiteral("INSERT INTO UserAccount (UserID, Password, Name) VALUES (?1, ?2, ?3)"),
             {userId, passwords::hash(password), name});
    }

    QString storedHash(const QString &userId)
    {
        return scalar(QStringLiteral("SELECT Password FROM UserAccount WHERE UserID = ?1"), {userId}).toString();
    }

    static void typeInto(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};
