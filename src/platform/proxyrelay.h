#pragma once

#include "relayroute.h"

#include <QNetworkProxy>
#include <QObject>
#include <QTcpServer>

// A small HTTP proxy on 127.0.0.1 that every page load goes through. Web
// views read the application proxy only once, when their first profile is
// made, so the program points them at this relay for good and changes the
// relay's route instead: straight to each target, or through the user's
// proxy server. Web views still reach loopback addresses without any proxy.
class ProxyRelay final : public QObject
{
    Q_OBJECT

public:
    explicit ProxyRelay(QObject *parent = nullptr);
    ~ProxyRelay() override;

    // Listens on 127.0.0.1 on a free port; true when listening.
    bool listen();
    bool isListening() const;
    quint16 port() const;
    // The proxy clients use to reach the relay.
    QNetworkProxy proxy() const;

    // Applies to the connections accepted from now on.
    void setRoute(RelayRoute route);
    const RelayRoute &route() const;

    // Client connections not yet closed.
    int connectionCount() const;

    Q_DISABLE_COPY_MOVE(ProxyRelay)

private:
    void acceptConnections();

    QTcpServer m_server;
    RelayRoute m_route;
    int m_connections = 0;
};
