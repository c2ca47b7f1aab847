#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>

class QTcpSocket;

// A server on 127.0.0.1 that plays an origin or an upstream proxy: it records
// every byte each connection sent, waits for a complete request head, answers
// with a fixed reply and then closes, echoes what follows, or stays silent.
// A plain echo server (EchoOnly) waits for no head and echoes every byte.
class ScriptedServer final
{
public:
    enum class After { Close, Echo, Stay, EchoOnly };

    ScriptedServer(QByteArray reply, After after);
    ~ScriptedServer();

    quint16 port() const { return m_server.serverPort(); }
    // All bytes received, one entry per connection, in order of arrival.
    const QList<QByteArray> &received() const { return m_received; }
    int openConnections() const { return m_open; }
    // The socket of the latest connection, for tests that drive it directly.
    QTcpSocket *latest() const { return m_latest; }

    Q_DISABLE_COPY_MOVE(ScriptedServer)

private:
    void accept();

    QTcpServer m_server;
    QByteArray m_reply;
    After m_after;
    QList<QByteArray> m_received;
    int m_open = 0;
    QTcpSocket *m_latest = nullptr;
};
