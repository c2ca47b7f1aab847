#include "qtproxysession.h"

#include "desktopproxy.h"
#include "proxyrelay.h"

#include <QNetworkProxy>

QtProxySession::QtProxySession(ProxyRelay &relay) : m_relay(relay)
{
    apply(Access::System, {}, {});
}

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
    if (access == Access::System)
        route.system = &DesktopProxy::forTarget;
    if (access == Access::Proxy) {
        route.upstream = proxies.isEmpty() ? std::nullopt : RelayEndpoint::fromText(proxies.first());
        if (!route.upstream)
            return false;
    }
    m_relay.setRoute(std::move(route));
    return true;
}

void QtProxySession::onTrouble(TroubleHandler handler)
{
    QObject::connect(&m_relay, &ProxyRelay::upstreamTrouble, &m_relay, std::move(handler));
}
