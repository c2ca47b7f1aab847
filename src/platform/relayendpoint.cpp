#include "relayendpoint.h"

#include <QHostAddress>

#include <algorithm>

std::optional<RelayEndpoint> RelayEndpoint::fromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    // Typed values often carry stray spaces around the address or the port.
    QString host = trimmed.left(colon).trimmed();
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return std::nullopt; // a bare IPv6 address is ambiguous without brackets
    const QString portText = trimmed.mid(colon + 1).trimmed();
    bool ok = false;
    const uint port = portText.toUInt(&ok, 10);
    // toUInt accepts a leading "+" or spaces; a port is digits only.
    const bool digitsOnly = !portText.isEmpty()
                         && std::all_of(portText.cbegin(), portText.cend(), [](QChar c) { return c.isDigit(); });
    if (host.isEmpty() || !ok || !digitsOnly || port == 0 || port > 65535)
        return std::nullopt;
    return RelayEndpoint{host, quint16(port)};
}

bool RelayEndpoint::isLoopback() const
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
        || host.endsWith(QLatin1String(".localhost"), Qt::CaseInsensitive))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}
