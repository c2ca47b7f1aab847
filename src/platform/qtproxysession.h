#pragma once

#include "proxysession.h"

class ProxyRelay;

// The web session's proxy on Qt: the application proxy is the relay, always,
// for the web views and for Qt Network alike; applying a proxy changes only
// where the relay sends new connections.
class QtProxySession final : public ProxySession
{
public:
    explicit QtProxySession(ProxyRelay &relay);

    // Starts the relay and makes it the application proxy. Web views take the
    // application proxy once, when the first profile is made, so this must
    // run before any web view exists. False when the relay cannot listen; the
    // application proxy is then left alone.
    bool installBeforeWebViews();

    // System: the desktop's proxy, looked up for each connection; in force
    // from construction until another access is applied.
    // Proxy: the first entry, "address:port", becomes the upstream proxy; an
    // entry without a usable port is refused (false) and the route stays as it
    // was. Direct: no upstream.
    bool apply(Access access, const QStringList &proxies, const QStringList &bypass) override;
    void onTrouble(TroubleHandler handler) override;

    Q_DISABLE_COPY_MOVE(QtProxySession)

private:
    ProxyRelay &m_relay;
};
