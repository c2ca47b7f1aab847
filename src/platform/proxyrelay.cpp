#include "proxyrelay.h"

#include "relayconnection.h"

#include <QTcpSocket>

ProxyRelay::ProxyRelay(QObject *parent) : QObject(parent)
{
    // The relay is the application proxy; it must not listen through itself.
    m_server.setProxy(QNetworkProxy::NoProxy);
    connect(&m_server, &QTcpServer::newConnection, this, &ProxyRelay::acceptConnections);
}

ProxyRelay::~ProxyRelay()
{
    m_server.close();
}

bool ProxyRelay::listen()
{
    return m_server.isListening() || m_server.listen(QHostAddress::LocalHost, 0);
}

bool ProxyRelay::isListening() const
{
    return m_server.isListening();
}

quint16 ProxyRelay::port() const
{
    return m_server.serverPort();
}

QNetworkProxy ProxyRelay::proxy() const
{
    return QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), port());
}

void ProxyRelay::setRoute(RelayRoute route)
{
    m_route = std::move(route);
}

const RelayRoute &ProxyRelay::route() const
{
    return m_route;
}

int ProxyRelay::connectionCount() const
{
    return m_connections;
}

void ProxyRelay::acceptConnections()
{
    while (QTcpSocket *client = m_server.nextPendingConnection()) {
        auto *connection = new RelayConnection(client, m_route, this);
        ++m_connections;
        connect(connection, &QObject::destroyed, this, [this] { --m_connections; });
    }
}
