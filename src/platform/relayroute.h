#pragma once

#include "relayendpoint.h"

#include <QStringList>

#include <functional>
#include <optional>

// Where the relay sends a connection: straight to its target or through an
// upstream HTTP proxy. Each connection takes a copy when it is accepted, so a
// change applies to the connections opened after it.
struct RelayRoute
{
    // The desktop's proxy for a target (tunnel: an https target), or nothing.
    using Lookup = std::function<std::optional<RelayEndpoint>(const RelayEndpoint &target, bool tunnel)>;

    std::optional<RelayEndpoint> upstream;
    Lookup system;      // asked for each target when there is no upstream
    QStringList bypass; // host names reached directly, compared without case

    // The proxy to use for a target, or nothing for a direct connection.
    // Loopback targets always go direct, as web views do on their own.
    std::optional<RelayEndpoint> upstreamFor(const RelayEndpoint &target, bool tunnel = false) const;
};
