#include "proxyrelay.h"

#include "relayserver.h"

ProxyRelay::ProxyRelay(QObject *parent)
    : QObject(parent), m_server(new RelayServer([this] { return route(); }, &m_connections, &m_headTimeoutMs))
{
    m_thread.setObjectName(QStringLiteral("ProxyRelay"));
    m_server->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    connect(m_server, &RelayServer::upstreamReached, this, &ProxyRelay::upstreamReached);
    m_thread.start();
}

ProxyRelay::~ProxyRelay()
{
    m_thread.quit();
    m_thread.wait();
}

bool ProxyRelay::listen()
{
    if (m_port == 0)
        QMetaObject::invokeMethod(m_server, [this] { m_port = m_server->listen(); }, Qt::BlockingQueuedConnection);
    return m_port != 0;
}

bool ProxyRelay::isListening() const
{
    return m_port != 0;
}

quint16 ProxyRelay::port() const
{
    return m_port;
}

QNetworkProxy ProxyRelay::proxy() const
{
    return QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), m_port);
}

void ProxyRelay::setRoute(RelayRoute route)
{
    {
        const QMutexLocker lock(&m_routeLock);
        m_route = std::move(route);
    }
    // A new route has not failed yet.
    if (m_unreachable) {
        m_unreachable = false;
        Q_EMIT upstreamTrouble(false, QString());
    }
}

RelayRoute ProxyRelay::route() const
{
    const QMutexLocker lock(&m_routeLock);
    return m_route;
}

int ProxyRelay::connectionCount() const
{
    return m_connections;
}

void ProxyRelay::setHeadTimeout(int milliseconds)
{
    m_headTimeoutMs = milliseconds;
}

void ProxyRelay::upstreamReached(bool reached, const QString &proxy)
{
    if (reached != m_unreachable)
        return;
    m_unreachable = !reached;
    Q_EMIT upstreamTrouble(m_unreachable, proxy);
}
