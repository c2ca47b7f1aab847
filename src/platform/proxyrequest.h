#pragma once

#include "relayendpoint.h"

#include <QByteArray>

#include <optional>

// The first request a client sends to the relay: a CONNECT tunnel request or
// a request with an absolute address, as clients send to an HTTP proxy.
class ProxyRequest final
{
public:
    // Nothing when the head is not such a request; head ends with its blank line.
    static std::optional<ProxyRequest> parse(const QByteArray &head);

    bool isTunnel() const { return m_tunnel; }
    // Plain "http:" requests are the only ones the relay can serve itself;
    // other schemes can only go to an upstream proxy.
    bool isPlainHttp() const { return m_plainHttp; }
    const RelayEndpoint &target() const { return m_target; }

    // The head to send to the target itself: origin-form request line, a
    // Host header, no proxy headers, "Connection: close".
    QByteArray directHead() const;
    // The head to send to an upstream proxy: a tunnel request unchanged, any
    // other with "Connection: close"; with the proxy's own credentials where
    // the client sent none.
    QByteArray upstreamHead(const QByteArray &authorization = {}) const;

private:
    ProxyRequest() = default;

    QByteArray m_head;
    QByteArray m_method;
    QByteArray m_version;
    QByteArray m_authority;
    QByteArray m_originForm;
    RelayEndpoint m_target;
    bool m_tunnel = false;
    bool m_plainHttp = false;
};
