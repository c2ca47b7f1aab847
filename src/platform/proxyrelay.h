#pragma once

#include "relayroute.h"

#include <QMutex>
#include <QNetworkProxy>
#include <QObject>
#include <QThread>

#include <atomic>

class RelayServer;

// A small HTTP proxy on 127.0.0.1 that every page load goes through. Web
// views read the application proxy only once, when their first profile is
// made, so the program points them at this relay for good and changes the
// relay's route instead: straight to each target, or through the user's
// proxy server. Web views still reach loopback addresses without any proxy.
// The relay runs on a thread of its own; its functions are for the thread
// that made it.
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

    // Applies to the connections accepted from now on, and ends any trouble
    // reported for the route before.
    void setRoute(RelayRoute route);
    RelayRoute route() const;

    // Client connections not yet closed.
    int connectionCount() const;

    // How long a client may take to send its request head before it is
    // answered 408 and closed; for connections accepted from now on.
    static constexpr int DefaultHeadTimeoutMs = 20000;
    void setHeadTimeout(int milliseconds);

    Q_DISABLE_COPY_MOVE(ProxyRelay)

Q_SIGNALS:
    // On the thread that made the relay, only when the state changes: the
    // upstream proxy (named "host:port") refused or could not be reached, or
    // answered again.
    void upstreamTrouble(bool unreachable, const QString &proxy);

private:
    void upstreamReached(bool reached, const QString &proxy);

    mutable QMutex m_routeLock; // the relay's thread reads the route
    RelayRoute m_route;
    std::atomic<int> m_connections = 0;
    std::atomic<int> m_headTimeoutMs = DefaultHeadTimeoutMs;
    quint16 m_port = 0;
    bool m_unreachable = false;
    QThread m_thread;
    RelayServer *m_server; // lives on m_thread, deleted when it finishes
};
