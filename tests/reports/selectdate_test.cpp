#include <gtest/gtest.h>

#include <QDateEdit>
#include <QPushButton>

#include "platform/screens.h"
#include "shell/session.h"
#include "reports/frmselectdate.h"
#include "reports/reporttest.h"

namespace {

class SelectDateTest : public ReportsTest
{
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        addSale(1, "2026-02-28", 999, "anna", 0, 0);
        addSale(2, "2026-03-01", 1190, "anna", 190, 0);
        addSale(3, "2026-03-15", 123450, "fahrer1", 19710, 0);
        addSale(4, "2026-03-31", 1070, "ops-warden5830", 0, 70);
        addSale(5, "2026-04-01", 500, "anna", 80, 0);
    }

    QStringList print(const QString &reportType, const QDate &from, const QDate &to)
    {
        FrmSelectDate &dialog = frmSelectDate();
        session().ReportType = reportType;
        dialog.dtFrom->setDate(from);
        dialog.dtTo->setDate(to);
        dialog.cmdPrint->click();
        return previews::lines(reportType == "Sales" ? "SalesReport" : "OrderReport");
    }
};

const QStringList ShopHeader = {"Pizzeria Süd", "Hauptstr. 5", "12345 Köln"};
const QString SalesHeads = "R.Nr. Datum Fahrer Gesamt MwSt 19 % MwSt 7 %";

} // namespace

TEST_F(SelectDateTest, OpensOnTodayAndRefusesAReversedOrUnreadablePeriod)
{
    FrmSelectDate &dialog = frmSelectDate();
    EXPECT_EQ(dialog.dtFrom->date(), QDate::currentDate());
    EXPECT_EQ(dialog.dtTo->date(), QDate::currentDate());

    EXPECT_TRUE(print("Sales", QDate(2026, 3, 31), QDate(2026, 3, 1)).isEmpty());
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Das Datum „Von“ liegt nach dem Datum „Bis“."});

    // Sales that cannot be read are reported, not printed as no sales.
    m_dialogs->clearRecords();
    exec("DROP VIEW EntireSales");
    EXPECT_TRUE(print("Sales", QDate(2026, 3, 1), QDate(2026, 3, 31)).isEmpty());
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.startsWith("Der Bericht konnte nicht erstellt werden: "));

    // A report type other than the two prints nothing.
    m_dialogs->clearRecords();
    for (const QString &type : {QString(), QStringLiteral("sales"), QStringLiteral("Stock")})
        print(type, QDate(2026, 3, 1), QDate(2026, 3, 31));
    EXPECT_TRUE(m_dialogs->shownWindows().isEmpty());
}

TEST_F(SelectDateTest, SalesReportCountsTheFirstAndLastDayOfThePeriod)
{
    EXPECT_EQ(print("Sales", QDate(2026, 3, 1), QDate(2026, 3, 31)),
              (ShopHeader +
               QStringList{"Verkaufsbericht 01.03.2026 - 31.03.2026", SalesHeads, "2 01.03.2026 anna 11,90 1,90 0,00",
                           "3 15.03.2026 fahrer1 1.234,50 197,10 0,00", "4 31.03.2026 ops-warden5830 10,70 0,00 0,70",
                           "Summe 3 Verkäufe 1.257,10 199,00 0,70"}));

    // A single day; a period without sales still prints its zero sums.
    EXPECT_EQ(print("Sales", QDate(2026, 3, 15), QDate(2026, 3, 15)).mid(5),
              QStringList({"3 15.03.2026 fahrer1 1.234,50 197,10 0,00", "Summe 1 Verkäufe 1.234,50 197,10 0,00"}));
    EXPECT_EQ(print("Sales", QDate(2025, 1, 1), QDate(2025, 12, 31)).mid(5),
              QStringList({"Summe 0 Verkäufe 0,00 0,00 0,00"}));
}

TEST_F(SelectDateTest, OrderReportCountsAReusedNumberOnTheDayOfEachDelivery)
{
    // Number 1 in January (4 × 25,00) and again in March (2 × 80,00 and
    // 1 × 40,00), number 2 in March (1,5 × 10,00).
    addDelivery(1, 7, 4, 2500, "2026-01-10");
    addDelivery(1, 7, 2, 8000, "2026-03-05");
    addDelivery(1, 8, 1, 4000, "2026-03-05");
    addDelivery(2, 8, 1.5, 1000, "2026-03-31");
    const qint64 january = 4 * 2500;
    const qint64 marchFirst = 2 * 8000 + 1 * 4000;
    const qint64 marchSecond = 15 * 1000 / 10;
    auto euros = [](qint64 cents) { return QString("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar('0')); };

    // A file written before deliveries were dated each on its own day is
    // brought up to date when it is opened.
    exec("DROP VIEW entiredelivery");
    exec("CREATE VIEW entiredelivery AS SELECT deliveryno AS ID, min(Date) AS Date, sum(CAST(round(round(quantity"
         " * 1000000) * orderprice / 1000000.0) AS INTEGER)) AS Total FROM Deliveries GROUP BY deliveryno");
    exec("PRAGMA user_version = 1");
    const QString path = m_db->path();
    Database::setCurrent(nullptr);
    m_db.reset();
    QString error;
    m_db = Database::open(path, &error);
    ASSERT_TRUE(m_db) << error.toStdString();
    Database::setCurrent(m_db.get());

    EXPECT_EQ(print("Purchase", QDate(2026, 1, 1), QDate(2026, 1, 31)).mid(5),
              QStringList({"1 10.01.2026 " + euros(january), "Summe 1 Lieferungen " + euros(january)}));
    EXPECT_EQ(print("Purchase", QDate(2026, 3, 1), QDate(2026, 3, 31)),
              ShopHeader + QStringList({"Bestellungen 01.03.2026 - 31.03.2026", "Lief.-Nr. Datum Betrag",
                                        "1 05.03.2026 " + euros(marchFirst), "2 31.03.2026 " + euros(marchSecond),
                                        "Summe 2 Lieferungen " + euros(marchFirst + marchSecond)}));
    // Both periods together print what each printed.
    EXPECT_EQ(print("Purchase", QDate(2026, 1, 1), QDate(2026, 3, 31)).last(),
              "Summe 3 Lieferungen " + euros(january + marchFirst + marchSecond));
}
