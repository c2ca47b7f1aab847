#pragma once

#include <QString>
#include <QStringList>

// The proxy of the process's web session.
class ProxySession
{
public:
    enum class Access { Direct = 1, Proxy = 3 };

    virtual ~ProxySession() = default;
    // proxies: "address:port" entries; bypass: hosts reached directly.
    virtual bool apply(Access access, const QStringList &proxies, const QStringList &bypass) = 0;
};
