#include "settings/proxyforms.h"

#include <algorithm>

namespace {

bool isPort(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

bool isIpv6Literal(const QString &host)
{
    static const QString allowed = QStringLiteral("0123456789abcdefABCDEF:.");
    return host.count(QLatin1Char(':')) >= 2
        && std::all_of(host.cbegin(), host.cend(), [](QChar c) { return allowed.contains(c); });
}

bool isBracketed(const QString &host)
{
    return host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'));
}

} // namespace

ProxySettings ProxyForms::normalised(const ProxySettings &typed)
{
    ProxySettings route = typed;
    QString address = typed.address.trimmed();
    QString port = typed.port.trimmed();
    const QLatin1String scheme("http://");
    if (address.startsWith(scheme, Qt::CaseInsensitive))
        address.remove(0, scheme.size());
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
    if (port.isEmpty() && colon > 0) {
        const QString host = address.left(colon);
        const QString tail = address.mid(colon + 1);
        // With more colons the last one belongs to an IPv6 address, unless
        // the address is in brackets.
        if (isPort(tail) && (isBracketed(host) || !host.contains(QLatin1Char(':')))) {
            address = host;
            port = tail;
        }
    }
    if (isIpv6Literal(address))
        address = QLatin1Char('[') + address + QLatin1Char(']');
    route.address = address;
    route.port = port;
    return route;
}
