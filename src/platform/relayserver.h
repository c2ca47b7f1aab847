#pragma once

#include "relayroute.h"

#include <QObject>

#include <atomic>
#include <functional>

class QTcpServer;

// The relay's listening side. It lives on the relay's own thread, so that
// streams keep flowing while the window's thread is busy.
class RelayServer final : public QObject
{
    Q_OBJECT

public:
    // routeNow gives the route for a connection being accepted; connections
    // counts the client connections not yet closed; headTimeoutMs is read
    // for each new connection.
    RelayServer(std::function<RelayRoute()> routeNow, std::atomic<int> *connections,
                const std::atomic<int> *headTimeoutMs);
    ~RelayServer() override;

    // Listens on 127.0.0.1 on a free port; the port, or 0 on failure.
    // Call on the relay's thread.
    quint16 listen();

    Q_DISABLE_COPY_MOVE(RelayServer)

Q_SIGNALS:
    // From the connections: their upstream proxy answered or failed.
    void upstreamReached(bool reached, const QString &proxy);

private:
    void acceptConnections();

    std::function<RelayRoute()> m_routeNow;
    std::atomic<int> *m_connections;
    const std::atomic<int> *m_headTimeoutMs;
    QTcpServer *m_server = nullptr;
};
