#include <limits>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "data/ui/report.h"
#include "masterdata/frmuseraccount.h"
#include "platform/clock.h"
#include "platform/screens.h"
#include "reports/frmkasaber.h"
#include "reports/reporttest.h"
#include "support/lists.h"

namespace {

class KasaBerTest : public ReportsTest
{
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        for (const char *user : {"anna", "fahrer1", "bernd"})
            exec("INSERT INTO UserAccount (UserID, Name) VALUES (?1, ?2)",
                 {QString::fromLatin1(user), QString::fromLatin1(user).toUpper()});
        // Cash sales name the cashier, delivery sales the driver, by user id.
        addSale(1, "2026-03-01", 1190, "anna", 190, 0);
        addSale(2, "2026-03-02", 2500, "fahrer1", 399, 0);
        addSale(3, "2026-03-02", 1070, "anna", 0, 70);
        addSale(4, "2026-03-03", 800, "ANNA", 128, 0);
        addSale(5, "2026-04-01", 300, "anna", 48, 0);
        addSale(6, "2026-03-31", 123450, "fahrer1", 19710, 0);
    }

    static QStringList listed(const FrmKasaBer &report) { return listLines(report.LvSales, -1, " "); }

    static void choose(FrmKasaBer &report, const QString &user, const QDate &from, const QDate &to, QPushButton *button)
    {
        report.cboUser->setCurrentText(user);
        report.dtFrom->setDate(from);
        report.dtTo->setDate(to);
        button->click();
    }
};

} // namespace

TEST_F(KasaBerTest, ListsEveryAccountWhateverFilterTheLoginLeft)
{
    FixedClock::install(QDateTime(QDate(2026, 3, 2), QTime(12, 0)));
    frmUserAccount().ADOUser->setFilter({{"UserID", "anna"}});
    FrmKasaBer &report = frmKasaBer();
    QStringList users;
    for (int i = 0; i < report.cboUser->count(); ++i)
        users << report.cboUser->itemText(i);
    EXPECT_EQ(users, QStringList({"ops-warden5830", "anna", "fahrer1", "bernd"}));
    EXPECT_EQ(report.cboUser->currentText(), QString());
    EXPECT_EQ(report.dtFrom->date(), QDate(2026, 3, 2));
    EXPECT_EQ(report.dtTo->date(), QDate(2026, 3, 2));
    EXPECT_FALSE(frmUserAccount().ADOUser->isFiltered());

    report.cmdShow->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Bitte Benutzer wählen"});

    // The period it opens with, one day, shows that day's sales.
    report.cboUser->setCurrentText("anna");
    report.cmdShow->click();
    EXPECT_EQ(listed(report), QStringList{"3 02.03.2026 10,70 0,00 0,70"});
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
}

TEST_F(KasaBerTest, FindsACashiersSalesAndADriversDeliveriesByUserId)
{
    FrmKasaBer &report = frmKasaBer();
    choose(report, "anna", QDate(2026, 3, 1), QDate(2026, 3, 31), report.cmdShow);
    EXPECT_EQ(listed(report), QStringList({"1 01.03.2026 11,90 1,90 0,00", "3 02.03.2026 10,70 0,00 0,70"}));
    EXPECT_EQ(report.lblTotal->text(), "Summe: 22,60");

    choose(report, "fahrer1", QDate(2026, 3, 2), QDate(2026, 3, 31), report.cmdPrint);
    EXPECT_EQ(listed(report), QStringList({"2 02.03.2026 25,00 3,99 0,00", "6 31.03.2026 1.234,50 197,10 0,00"}));
    EXPECT_EQ(report.lblTotal->text(), "Summe: 1.259,50");
    EXPECT_EQ(previews::lines("KasaBerReport"),
              QStringList({"Pizzeria Süd", "Hauptstr. 5", "12345 Köln",
                           "Mitarbeiter Abschlussbericht 02.03.2026 - 31.03.2026", "Mitarbeiter: fahrer1",
                           "R.Nr. Datum Gesamt MwSt 19 % MwSt 7 %", "2 02.03.2026 25,00 3,99 0,00",
                           "6 31.03.2026 1.234,50 197,10 0,00", "Summe 2 Verkäufe 1.259,50 201,09 0,00"}));

    // A user without sales in the period gets an empty list, not the last one.
    choose(report, "bernd", QDate(2026, 3, 1), QDate(2026, 3, 31), report.cmdShow);
    EXPECT_TRUE(listed(report).isEmpty());
    EXPECT_EQ(report.lblTotal->text(), "Summe: 0,00");
}

TEST_F(KasaBerTest, SumsTooLargeForAnAmountAreReportedNotFatal)
{
    const qint64 nearlyMost = std::numeric_limits<qint64>::max() / 2 + 1;
    addSale(7, "2026-05-01", nearlyMost, "bernd", 0, 0);
    addSale(8, "2026-05-02", nearlyMost, "bernd", 0, 0);
    FrmKasaBer &report = frmKasaBer();
    for (QPushButton *button : {report.cmdShow, report.cmdPrint}) {
        m_dialogs->clearRecords();
        choose(report, "bernd", QDate(2026, 5, 1), QDate(2026, 5, 31), button);
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList{TooLargeForReport});
        EXPECT_EQ(report.lblTotal->text(), QString());
    }
}

// Sales that cannot be read are reported, never listed or printed as a
// cashier without sales; the list of an earlier choice does not stay either.
TEST_F(KasaBerTest, SalesThatCannotBeReadAreReportedNotShownAsNone)
{
    const QString createdEntireSales = scalar("SELECT sql FROM sqlite_master WHERE name = 'EntireSales'").toString();
    FrmKasaBer &report = frmKasaBer();
    for (const Unreadable how : {Unreadable::RowsFail, Unreadable::Gone}) {
        choose(report, "anna", QDate(2026, 3, 1), QDate(2026, 3, 31), report.cmdShow);
        ASSERT_EQ(listed(report).size(), 2);
        ASSERT_TRUE(makeUnreadable(*m_db, "EntireSales", how));
        for (QPushButton *button : {report.cmdShow, report.cmdPrint}) {
            previews::closeAll();
            m_dialogs->clearRecords();
            choose(report, "anna", QDate(2026, 3, 1), QDate(2026, 3, 31), button);
            ASSERT_EQ(m_dialogs->messages().size(), 1u);
            EXPECT_TRUE(m_dialogs->messages()[0].text.startsWith("Der Bericht konnte nicht erstellt werden: "))
                << m_dialogs->messages()[0].text.toStdString();
            EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation);
            EXPECT_TRUE(listed(report).isEmpty());
            EXPECT_EQ(report.lblTotal->text(), QString());
            EXPECT_TRUE(previews::lines("KasaBerReport").isEmpty());
        }
        // The sales as they were, for the next way of failing.
        exec("DROP VIEW IF EXISTS EntireSales");
        exec(createdEntireSales);
    }
}
