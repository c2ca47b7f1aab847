#include "relayroute.h"

std::optional<RelayEndpoint> RelayRoute::upstreamFor(const RelayEndpoint &target) const
{
    if (!upstream || target.isLoopback() || bypass.contains(target.host, Qt::CaseInsensitive))
        return std::nullopt;
    return upstream;
}
