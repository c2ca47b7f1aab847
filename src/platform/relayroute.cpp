#include "relayroute.h"

std::optional<RelayEndpoint> RelayRoute::upstreamFor(const RelayEndpoint &target, bool tunnel) const
{
    if (target.isLoopback() || bypass.contains(target.host, Qt::CaseInsensitive))
        return std::nullopt;
    if (upstream || !system)
        return upstream;
    return system(target, tunnel);
}
