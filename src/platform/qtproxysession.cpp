#include "qtproxysession.h"

#include "proxyrelay.h"

#include <QNetworkProxy>

QtProxySession::QtProxySession(ProxyRelay &relay) : m_relay(relay) {}

bool QtProxySession::installBeforeWebViews()
{
    if (!m_relay.listen())
        return false;
    QNetworkProxy::setApplicationProxy(m_relay.proxy());
    return true;
}

bool QtProxySession::apply(Access access, const QStringList &proxies, const QStringList &bypass)
{
    RelayRoute route;
    route.bypass = bypass;
    if (access == Access::Proxy) {
        route.upstream = proxies.isEmpty() ? std::nullopt : RelayEndpoint::fromText(proxies.first());
        if (!route.upstream)
            return false;
    }
    m_relay.setRoute(std::move(route));
    return true;
}
