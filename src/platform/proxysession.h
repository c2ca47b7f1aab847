#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The proxy of the process's web session.
class ProxySession
{
public:
    // System: the desktop's own connection settings, looked up for each
    // request (the Windows networking layer's "preconfigured" access).
    enum class Access { System = 0, Direct = 1, Proxy = 3 };

    // unreachable: the proxy in use (named "host:port") refused or could not
    // be reached; false once it answers again.
    using TroubleHandler = std::function<void(bool unreachable, const QString &proxy)>;

    virtual ~ProxySession() = default;
    // proxies: "address:port" entries; bypass: hosts reached directly.
    virtual bool apply(Access access, const QStringList &proxies, const QStringList &bypass) = 0;
    // Called on the window's thread each time the proxy's state changes.
    virtual void onTrouble(TroubleHandler) {}
};
