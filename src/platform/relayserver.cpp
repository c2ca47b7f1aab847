#include "relayserver.h"

#include "relayconnection.h"

#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>

RelayServer::RelayServer(std::function<RelayRoute()> routeNow, std::atomic<int> *connections,
                         const std::atomic<int> *headTimeoutMs)
    : m_routeNow(std::move(routeNow)), m_connections(connections), m_headTimeoutMs(headTimeoutMs)
{
}

RelayServer::~RelayServer() = default;

quint16 RelayServer::listen()
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        // The relay is the application proxy; it must not listen through itself.
        m_server->setProxy(QNetworkProxy::NoProxy);
        connect(m_server, &QTcpServer::newConnection, this, &RelayServer::acceptConnections);
    }
    if (!m_server->isListening() && !m_server->listen(QHostAddress::LocalHost, 0))
        return 0;
    return m_server->serverPort();
}

void RelayServer::acceptConnections()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        auto *connection = new RelayConnection(client, m_routeNow(), *m_headTimeoutMs, this);
        ++*m_connections;
        connect(connection, &RelayConnection::upstreamReached, this, &RelayServer::upstreamReached);
        connect(connection, &QObject::destroyed, this, [this] { --*m_connections; });
    }
}
