#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "app/screens.h"
#include "platform/tcpclient.h"
#include "support/fixture.h"
#include "till/callmonitor.h"
#include "till/frmsales.h"

namespace {
const QByteArray Ring = "06.12.26 16:31:28;RING;0;01711234567;5551234;SIP0;\r\n";
} // namespace

TEST(CallMonitorLines, JoinsPiecesAndSplitsArrivalsAtLineEnds)
{
    CallMonitorLines lines;
    EXPECT_EQ(lines.feed("06.12.26 16:31:28;RI"), QStringList());
    EXPECT_EQ(lines.feed("NG;0;0171;555;SIP0;\r"), QStringList());
    EXPECT_EQ(lines.feed("\n"), QStringList{"06.12.26 16:31:28;RING;0;0171;555;SIP0;"});
    EXPECT_EQ(lines.feed("a;CALL\nb;CONNECT\r\n\r\nc;DISC"), (QStringList{"a;CALL", "b;CONNECT"}));
    EXPECT_EQ(lines.feed("ONNECT\n"), QStringList{"c;DISCONNECT"});
}

TEST(CallerIdentification, AnnouncesEachRingOnceByItsStamp)
{
    CallerIdentification calls;
    // Not a ring: too few fields, another event, the word in lower case.
    EXPECT_FALSE(calls.accept("t1;RING;0;0171"));
    EXPECT_FALSE(calls.accept("t1;CALL;0;0171;555;SIP0;"));
    EXPECT_FALSE(calls.accept("t1;ring;0;0171;555;SIP0;"));
    // An empty stamp matches the empty stamp of a till that announced nothing yet.
    EXPECT_FALSE(calls.accept(";RING;0;0171;555;SIP0;"));

    // Five fields are enough; six are read the same.
    const auto five = calls.accept("t1;RING;0;0171;555");
    ASSERT_TRUE(five);
    EXPECT_EQ(five->caller, "0171");
    EXPECT_EQ(five->called, "555");
    EXPECT_FALSE(calls.accept("t1;RING;0;0171;555;SIP0;"));
    const auto again = calls.accept("t2;RING;0;0171;555;SIP0;");
    ASSERT_TRUE(again);
    EXPECT_EQ(calls.lastRingStamp(), "t2");
    // Once another call was announced, an empty stamp is a new call too.
    EXPECT_TRUE(calls.accept(";RING;0;0171;555;SIP0;"));
}

TEST(CallerIdentification, MessageLinesUpCallerNumberDateAndTime)
{
    const RingCall call{"t1", "01711234567", "5551234"};
    EXPECT_EQ(ringMessage(call, QDateTime(QDate(2026, 12, 6), QTime(16, 31, 28))),
              "Anrufer:      01711234567\r\nI-Nummer:   5551234\r\nDatum:        06.12.2026\r\n"
              "Uhrzeit:       16:31:28");
}

namespace {
// The router's call monitor, played by a server on this machine.
class CallMonitorTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        ASSERT_TRUE(m_router.listen(QHostAddress::LocalHost, 0));
        exec("UPDATE Settings SET deZE = '127.0.0.1', voIPort = ?1", {QString::number(m_router.serverPort())});
        exec("INSERT INTO Customer (CustomerID, Customername, ContactNumber) VALUES (1, 'Meier', '0301111')");
        exec("INSERT INTO Customer (CustomerID, Customername, ContactNumber) VALUES (2, 'Schulz', '01711234567')");
    }

    // Loads the sales screen and takes its connection.
    QTcpSocket *openSalesScreen()
    {
        QSignalSpy connected(&m_router, &QTcpServer::newConnection);
        frmSales();
        if (!connected.wait(5000))
            return nullptr;
        return m_router.nextPendingConnection();
    }

    static void send(QTcpSocket *line, const QByteArray &data)
    {
        line->write(data);
        line->flush();
    }

    QTcpServer m_router;
};
} // namespace

TEST_F(CallMonitorTest, ARingNamesTheCallerAndFindsTheCustomer)
{
    QTcpSocket *router = openSalesScreen();
    ASSERT_TRUE(router);
    FrmSales &sales = frmSales();
    QSignalSpy arrivals(sales.Winsock1, &TcpClient::dataArrived);

    // A line that arrives in pieces is one call.
    send(router, Ring.left(20));
    ASSERT_TRUE(arrivals.wait(5000));
    EXPECT_TRUE(m_dialogs->messages().empty());
    send(router, Ring.mid(20));
    QTRY_COMPARE(m_dialogs->messages().size(), size_t(1));
    const QString text = m_dialogs->messages().front().text;
    EXPECT_TRUE(text.startsWith("Anrufer:      01711234567\r\nI-Nummer:   5551234\r\nDatum:        "));
    EXPECT_EQ(m_dialogs->messages().front().buttons, 0);
    EXPECT_EQ(sales.txtName->text(), "Schulz");

    // The same call again, then its other events: nothing more is shown.
    send(router, Ring + "06.12.26 16:31:35;CONNECT;0;0;01711234567;\r\n");
    // Two lines in one arrival are two calls; the second comes from a number
    // no customer has: shown, and nobody is current.
    send(router, "t2;RING;0;0301111;5551234;SIP0;\r\nt3;RING;0;0899999;5551234;SIP0;\r\n");
    QTRY_COMPARE(m_dialogs->messages().size(), size_t(3));
    EXPECT_TRUE(m_dialogs->messages()[1].text.startsWith("Anrufer:      0301111\r\n"));
    EXPECT_TRUE(m_dialogs->messages()[2].text.startsWith("Anrufer:      0899999\r\n"));
    EXPECT_TRUE(sales.ADOCustomer->eof());
    EXPECT_EQ(sales.txtName->text(), QString());
}

TEST_F(CallMonitorTest, TheTillWorksOnWhenTheRouterClosesOrIsNotThere)
{
    QTcpSocket *router = openSalesScreen();
    ASSERT_TRUE(router);
    QSignalSpy closed(frmSales().Winsock1, &TcpClient::closed);
    router->disconnectFromHost();
    ASSERT_TRUE(closed.wait(5000));
    frmSales().selCustomer->click();
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmCustomerSearch"});
    EXPECT_TRUE(m_dialogs->messages().empty());

    // Nobody listens at the port any more.
    screens().unloadAll();
    m_router.close();
    FrmSales &sales = frmSales();
    QSignalSpy refused(sales.Winsock1, &TcpClient::closed);
    ASSERT_TRUE(refused.wait(5000));
    EXPECT_FALSE(sales.Winsock1->isConnected());
    EXPECT_TRUE(m_dialogs->messages().empty());
}
