#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

// A TCP connection that only listens: it connects to a host and hands on
// whatever arrives. Connecting does not wait, and a host that cannot be
// reached or a connection that ends only ends the arrivals; nothing is
// reported to the user and nothing reconnects.
class TcpClient : public QObject
{
    Q_OBJECT

public:
    explicit TcpClient(QObject *parent = nullptr);

    void connectTo(const QString &host, quint16 port);
    bool isConnected() const;

signals:
    void dataArrived(const QByteArray &data);
    // The connection could not be made, or it ended.
    void closed();

private:
    QTcpSocket *m_socket;
};
