#include "platform/tcpclient.h"

#include <QTcpSocket>

TcpClient::TcpClient(QObject *parent) : QObject(parent), m_socket(new QTcpSocket(this))
{
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { emit dataArrived(m_socket->readAll()); });
    connect(m_socket, &QTcpSocket::connected, this, &TcpClient::connected);
    connect(m_socket, &QTcpSocket::disconnected, this, &TcpClient::closed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        // A connection that was up reports its end through disconnected.
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            emit closed();
    });
}

void TcpClient::connectTo(const QString &host, quint16 port)
{
    m_socket->abort();
    m_socket->connectToHost(host, port);
}

bool TcpClient::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}
