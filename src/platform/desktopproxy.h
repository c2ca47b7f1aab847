#pragma once

#include "relayendpoint.h"

#include <QProcessEnvironment>

#include <optional>

// The desktop's proxy as Qt reads it: http_proxy, https_proxy and no_proxy
// (wildcards and address ranges included), or the desktop's own settings
// where Qt asks libproxy.
class DesktopProxy final
{
public:
    // The HTTP proxy for a target (tunnel: an https target), or nothing for a
    // direct connection. Proxies of other kinds are not spoken: direct.
    static std::optional<RelayEndpoint> forTarget(const RelayEndpoint &target, bool tunnel);

    // "host:port" in a proxy variable, as many tools accept it, reads as
    // "http://host:port"; Qt would take the host for a scheme and go direct.
    // The variables to set, with their new values.
    static QProcessEnvironment withSchemes(const QProcessEnvironment &environment);

    Q_DISABLE_COPY_MOVE(DesktopProxy)

private:
    DesktopProxy() = default;
};
