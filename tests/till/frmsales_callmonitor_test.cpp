#include <algorithm>
#include <functional>
#include <utility>

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "masterdata/frmcustomer.h"
#include "platform/screens.h"
#include "platform/tcpclient.h"
#include "till/frmpayment.h"
#include "till/frmsales.h"
#include "tilltest.h"

namespace {
const QByteArray Ring = "06.12.26 16:31:28;RING;0;01711234567;5551234;SIP0;\r\n";

// The router's call monitor, played by a server on this machine.
class CallMonitorTest : public TillTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        ASSERT_TRUE(m_router.listen(QHostAddress::LocalHost, 0));
        exec("UPDATE Settings SET deZE = '127.0.0.1', voIPort = ?1", {QString::number(m_router.serverPort())});
        addCallers();
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

    // Lets the line deliver until this many messages were shown in all.
    bool messagesShown(std::size_t shown)
    {
        return QTest::qWaitFor([this, shown] { return m_dialogs->messages().size() == shown; }, 5000);
    }

    static void send(QTcpSocket *line, const QByteArray &data)
    {
        line->write(data);
        line->flush();
    }

    QTcpServer m_router;
};

// Dialogs during whose first message another call comes in, as the socket
// delivers data while a message box waits for the cashier.
class RingDuringMessage : public ScriptedDialogs
{
public:
    int msgBox(const QString &text, int buttons, const QString &title) override
    {
        deepest = std::max(deepest, ++depth);
        if (const auto during = std::exchange(duringFirstMessage, {}))
            during();
        const int answer = ScriptedDialogs::msgBox(text, buttons, title);
        --depth;
        return answer;
    }

    std::function<void()> duringFirstMessage;
    int depth = 0;
    int deepest = 0;
};
} // namespace

TEST_F(CallMonitorTest, CallsAreMatchedByDigitsAndNoneIsLostOrMisplaced)
{
    FrmSales &sales = frmSales();
    // "+49 30 1111" is the router's 0301111.
    ring(sales, "t1", "0301111");
    EXPECT_EQ(sales.txtName->text(), "Meier");
    // An anonymous call: see the next test.
    ring(sales, "t2", "");
    EXPECT_EQ(m_dialogs->messages().size(), size_t(2));

    // A call while the customer editor is open: the caller is shown after it.
    m_dialogs->onModal([&sales](QDialog *) {
        ring(sales, "t3", "0301111");
        return 0;
    });
    sales.btnCustomerE->click();
    EXPECT_EQ(sales.txtName->text(), "Meier");

    // A call that comes in while another is announced waits for it.
    auto *dialogs = new RingDuringMessage;
    setDialogs(std::unique_ptr<Dialogs>(dialogs));
    useDialogs(*dialogs);
    dialogs->duringFirstMessage = [&sales] { ring(sales, "t5", "0301111"); };
    ring(sales, "t4", "01711234567");
    EXPECT_EQ(dialogs->deepest, 1);
    ASSERT_EQ(dialogs->messages().size(), size_t(2));
    EXPECT_TRUE(dialogs->messages()[0].text.startsWith("Anrufer:      01711234567"));
    EXPECT_TRUE(dialogs->messages()[1].text.startsWith("Anrufer:      0301111"));
    EXPECT_EQ(sales.txtName->text(), "Meier");
}

TEST_F(CallMonitorTest, ARingNamesTheCallerTheHeaderShowsTheConnectionAndTheTillConnectsAgain)
{
    QTcpSocket *router = openSalesScreen();
    ASSERT_TRUE(router);
    FrmSales &sales = frmSales();
    ASSERT_TRUE(QTest::qWaitFor([&sales] { return sales.lblCallMonitor->text() == "Anrufmonitor: verbunden"; }, 5000));
    EXPECT_EQ(sales.tmrReconnect->interval(), 10000);
    EXPECT_FALSE(sales.tmrReconnect->isActive());

    // A line that arrives in pieces is one call.
    QSignalSpy arrivals(sales.Winsock1, &TcpClient::dataArrived);
    send(router, Ring.left(20));
    ASSERT_TRUE(arrivals.wait(5000));
    EXPECT_TRUE(m_dialogs->messages().empty());
    send(router, Ring.mid(20));
    ASSERT_TRUE(messagesShown(1));
    EXPECT_TRUE(m_dialogs->messages().front().text.startsWith("Anrufer:      01711234567\r\nI-Nummer:   5551234\r\n"));
    EXPECT_EQ(m_dialogs->messages().front().buttons, 0);
    EXPECT_EQ(sales.txtName->text(), "Schulz");
    // The same call again is not shown again. A number no customer has is
    // shown, and nobody is current.
    send(router, Ring + "t3;RING;0;0899999;5551234;SIP0;\r\n");
    ASSERT_TRUE(messagesShown(2));
    EXPECT_TRUE(m_dialogs->messages()[1].text.startsWith("Anrufer:      0899999\r\n"));
    EXPECT_EQ(sales.txtName->text(), QString());
    m_dialogs->clearRecords();

    // The router restarts: the header says so, and the till works on.
    QSignalSpy closed(sales.Winsock1, &TcpClient::closed);
    router->disconnectFromHost();
    ASSERT_TRUE(closed.wait(5000));
    EXPECT_EQ(sales.lblCallMonitor->text(), "Anrufmonitor: getrennt");
    EXPECT_TRUE(sales.tmrReconnect->isActive());
    const quint16 port = m_router.serverPort();
    m_router.close();
    // The test does not wait ten seconds for each try.
    sales.tmrReconnect->setInterval(20);
    QSignalSpy refused(sales.Winsock1, &TcpClient::closed);
    ASSERT_TRUE(refused.wait(5000));
    EXPECT_EQ(sales.lblCallMonitor->text(), "Anrufmonitor: getrennt");

    // Back up, it is connected again without anyone reopening the till.
    ASSERT_TRUE(m_router.listen(QHostAddress::LocalHost, port));
    QSignalSpy back(&m_router, &QTcpServer::newConnection);
    ASSERT_TRUE(back.wait(5000));
    ASSERT_TRUE(QTest::qWaitFor([&sales] { return sales.lblCallMonitor->text() == "Anrufmonitor: verbunden"; }, 5000));
    EXPECT_FALSE(sales.tmrReconnect->isActive());
    EXPECT_TRUE(m_dialogs->messages().empty());
    send(m_router.nextPendingConnection(), Ring);
    ASSERT_TRUE(messagesShown(1));
    EXPECT_EQ(sales.txtName->text(), "Schulz");

    // A shop without a router sees nothing about it.
    screens().unloadAll();
    exec("UPDATE Settings SET deZE = ''");
    EXPECT_EQ(frmSales().lblCallMonitor->text(), QString());
    EXPECT_FALSE(frmSales().tmrReconnect->isActive());
}

// A caller who sends no number is shown and names nobody, as a number no
// customer has does: the order taken for them cannot go to the customer of
// the call before.
TEST_F(CallMonitorTest, AnAnonymousCallNamesNobodySoNoOrderGoesToThePreviousCaller)
{
    exec("UPDATE Customer SET Address = 'Lindenweg 3', Place = '50667 Köln' WHERE CustomerID = 2");
    exec("INSERT INTO Products (ProductID, ArtNr, Description, Mwst, SalesPrice) VALUES (1, '1', 'Pizza', '7', 850)");
    QTcpSocket *router = openSalesScreen();
    ASSERT_TRUE(router);
    FrmSales &sales = frmSales();
    const auto block = [&sales] {
        return QStringList{sales.txtName->text(), sales.txtAddress->text(), sales.txtPlace->text(),
                           sales.txtContactNumber->text(), sales.Text1->text()};
    };

    int shown = 0;
    for (const QByteArray &anonymous :
         {QByteArray("t2;RING;1;;5551234;SIP0;\r\n"), QByteArray("t4;RING;1; ;5551234;SIP0;\r\n"),
          QByteArray("t6;RING;1;unbekannt;5551234;SIP0;\r\n")}) {
        send(router, QByteArray(Ring).replace("16:31:28", QByteArray::number(shown)));
        ASSERT_TRUE(messagesShown(++shown));
        ASSERT_EQ(block(), QStringList({"Schulz", "Lindenweg 3", "50667 Köln", "0171 / 123 45 67", "2"}));

        send(router, anonymous);
        ASSERT_TRUE(messagesShown(++shown)) << anonymous.toStdString();
        const QString caller = QString::fromUtf8(anonymous.split(';')[3]);
        EXPECT_TRUE(
            m_dialogs->messages().back().text.startsWith("Anrufer:      " + caller + "\r\nI-Nummer:   5551234\r\n"));
        EXPECT_EQ(block(), QStringList({"", "", "", "", ""})) << anonymous.toStdString();
    }

    // The order for the anonymous caller finds no customer to pay or deliver to.
    sales.txtid->setText("1");
    sales.ArtSelok->click();
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 1);
    sales.cmdPayment->click();
    EXPECT_EQ(m_dialogs->messageTexts().last(), "Kunde nicht gefunden!");
    EXPECT_EQ(m_dialogs->messages().back().buttons, 0);
    EXPECT_TRUE(m_dialogs->shownWindows().isEmpty());
    EXPECT_FALSE(screens().isLoaded<FrmPayment>());
    EXPECT_EQ(count("Sales"), 0);
}

// The cashier adds the caller the till could not name in the customer editor
// opened from the ring: when it closes, the block shows them.
TEST_F(CallMonitorTest, ACallerAddedInTheCustomerEditorIsTheCustomerWhenItCloses)
{
    FrmSales &sales = frmSales();
    // Types into the editor's box as the cashier would.
    const auto type = [](QLineEdit *box, const QString &text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    const auto addCustomer = [&type](FrmCustomer &editor, const QString &name, const QString &number) {
        editor.cmdNew->click();
        type(editor.txtName, name);
        type(editor.txtAddress, "Am Markt 1");
        type(editor.txtContactNumber, number);
        editor.cmdSave->click();
    };

    // What the cashier does in the editor, after a ring from a number, and
    // whom the block shows when the editor closes.
    struct Case
    {
        const char *caller;
        std::function<void(FrmCustomer &)> work;
        const char *expected;
    };
    const Case cases[] = {
        {"0899999", [&](FrmCustomer &editor) { addCustomer(editor, "Neukunde", "0899 999"); }, "Neukunde"},
        {"", [&](FrmCustomer &editor) { addCustomer(editor, "Anonym", ""); }, "Anonym"},
        // A caller the till named stays the customer.
        {"0301111", [&](FrmCustomer &editor) { addCustomer(editor, "Dritter", "0221 3"); }, "Meier"},
        {"0777777", [](FrmCustomer &) {}, ""},
        // A new row dropped, then a customer edited: nobody was added.
        {"0777778",
         [&](FrmCustomer &editor) {
             editor.cmdNew->click();
             type(editor.txtName, "Verworfen");
             editor.cmdRefresh->click();
             editor.cmdEdit->click();
             type(editor.txtAddress, "Neue Str. 9");
             editor.cmdSave->click();
         },
         ""},
        // A new customer the editor refuses is nobody, not the customer
        // whose number was typed for them.
        {"0777780",
         [&](FrmCustomer &editor) {
             editor.cmdNew->click();
             type(editor.txtid, "1");
             type(editor.txtName, "Doppelt");
             editor.cmdSave->click();
         },
         ""},
        // A search drops the new row too.
        {"0777779",
         [&](FrmCustomer &editor) {
             editor.cmdNew->click();
             m_dialogs->answerInput("+49 30 1111");
             editor.cmdFind->click();
             editor.cmdEdit->click();
             editor.cmdSave->click();
         },
         ""},
    };
    int stamp = 0;
    for (const Case &c : cases) {
        ring(sales, QString("t%1").arg(++stamp), c.caller);
        work<FrmCustomer>(sales.btnCustomerE, [&c](FrmCustomer &editor) {
            c.work(editor);
            editor.cmdClose->click();
        });
        EXPECT_EQ(sales.txtName->text(), c.expected) << c.caller;
        if (QString(c.expected) == "Neukunde" || QString(c.expected) == "Anonym") {
            EXPECT_EQ(sales.txtAddress->text(), "Am Markt 1");
            EXPECT_EQ(
                sales.Text1->text(),
                scalar("SELECT CustomerID FROM Customer WHERE Customername = ?1", {QString(c.expected)}).toString());
        }
    }
    EXPECT_EQ(count("Customer"), 6) << "three customers added, one dropped";
    EXPECT_EQ(m_dialogs->shownWindows().count("frmCustomer"), 7);
    EXPECT_TRUE(m_dialogs->messageTexts().contains("Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert."));
}
