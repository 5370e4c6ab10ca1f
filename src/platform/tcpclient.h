#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

// A TCP connection that only listens: it connects to a host and hands on
// whatever arrives. Connecting does not wait; whether the connection stands
// is told by the signals, and its user decides when to try again.
class TcpClient : public QObject
{
    Q_OBJECT

public:
    explicit TcpClient(QObject *parent = nullptr);

    void connectTo(const QString &host, quint16 port);
    bool isConnected() const;

signals:
    void connected();
    void dataArrived(const QByteArray &data);
    // The connection could not be made, or it ended.
    void closed();

private:
    QTcpSocket *m_socket;
};
