// The sales screen's side of caller identification: the connection to the
// router's call monitor, kept up while the screen is open, and the calls it
// announces.
#include "till/frmsales.h"

#include <QLabel>
#include <QTimer>

#include "data/shopsettings.h"
#include "platform/clock.h"
#include "platform/tcpclient.h"
#include "platform/ui/dialogs.h"
#include "till/phonenumber.h"

void FrmSales::ConnectCallMonitor()
{
    const ShopSettings shop = shopsettings::current();
    const QString host = shop.callMonitorHost.trimmed();
    bool isPort = false;
    const uint port = shop.callMonitorPort.trimmed().toUInt(&isPort);
    // A till without a router's address works without caller identification.
    if (host.isEmpty() || !isPort || port == 0 || port > 65535)
        return;
    m_callMonitorHost = host;
    m_callMonitorPort = static_cast<quint16>(port);
    // Until the router answers no call can arrive.
    Winsock1_Closed();
    Winsock1->connectTo(m_callMonitorHost, m_callMonitorPort);
}

void FrmSales::Winsock1_Connected()
{
    lblCallMonitor->setText(QStringLiteral("Anrufmonitor: verbunden"));
    tmrReconnect->stop();
}

// A router that is restarted or briefly unreachable must not cost the shop
// its calls until someone reopens the till: it is tried again quietly.
void FrmSales::Winsock1_Closed()
{
    lblCallMonitor->setText(QStringLiteral("Anrufmonitor: getrennt"));
    if (!tmrReconnect->isActive())
        tmrReconnect->start();
}

void FrmSales::tmrReconnect_Timer()
{
    if (!Winsock1->isConnected())
        Winsock1->connectTo(m_callMonitorHost, m_callMonitorPort);
}

void FrmSales::Winsock1_DataArrival(const QByteArray &data)
{
    for (const QString &line : m_callMonitorLines.feed(data))
        if (const auto call = m_callerIdentification.accept(line))
            m_callsToAnnounce.push_back(*call);
    // A call that arrives while another is being shown waits its turn rather
    // than open a message over the first.
    if (!m_announcingCall)
        announceCalls();
}

void FrmSales::announceCalls()
{
    m_announcingCall = true;
    while (!m_callsToAnnounce.empty()) {
        const RingCall call = m_callsToAnnounce.front();
        m_callsToAnnounce.pop_front();
        dialogs().msgBox(ringMessage(call, currentClock().now()), mb::vbOKOnly);
        // The block shows the caller or nobody, never a customer who did not
        // call: an order taken for a number no customer has, or for a caller
        // who sends no number, must not go to the address shown before.
        // Without digits the search names nobody either, not a customer who
        // happens to have no number.
        ADOCustomer.refresh();
        findCustomerByPhone(ADOCustomer.recordset(), call.caller);
    }
    m_announcingCall = false;
}
