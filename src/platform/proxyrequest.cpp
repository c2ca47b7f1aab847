#include "proxyrequest.h"

#include "httphead.h"

namespace {

struct Address
{
    QByteArray scheme;
    QByteArray authority;  // host and port as written, without user information
    QByteArray originForm; // path and query, never empty
};

std::optional<Address> absoluteAddress(const QByteArray &target)
{
    const qsizetype schemeEnd = target.indexOf("://");
    if (schemeEnd <= 0)
        return std::nullopt;
    Address address;
    address.scheme = target.left(schemeEnd).toLower();
    const QByteArray rest = target.mid(schemeEnd + 3);
    qsizetype authorityEnd = rest.size();
    for (char stop : {'/', '?', '#'}) {
        const qsizetype at = rest.indexOf(stop);
        if (at >= 0 && at < authorityEnd)
            authorityEnd = at;
    }
    address.authority = rest.left(authorityEnd);
    const qsizetype userEnd = address.authority.lastIndexOf('@');
    if (userEnd >= 0)
        address.authority = address.authority.mid(userEnd + 1);
    QByteArray path = rest.mid(authorityEnd);
    const qsizetype fragment = path.indexOf('#');
    if (fragment >= 0)
        path.truncate(fragment);
    address.originForm = path.startsWith('/') ? path : QByteArrayLiteral("/") + path;
    return address;
}

std::optional<RelayEndpoint> endpointOf(const QByteArray &authority, quint16 defaultPort)
{
    const QString text = QString::fromLatin1(authority);
    if (const auto endpoint = RelayEndpoint::fromText(text))
        return endpoint;
    // No port written: the scheme's own, if it has one.
    const bool bracketed = text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
    if (defaultPort == 0 || text.isEmpty() || (text.contains(QLatin1Char(':')) && !bracketed))
        return std::nullopt;
    return RelayEndpoint::fromText(text + QLatin1Char(':') + QString::number(defaultPort));
}

quint16 defaultPort(const QByteArray &scheme)
{
    if (scheme == "http")
        return 80;
    if (scheme == "https")
        return 443;
    return 0;
}

} // namespace

std::optional<ProxyRequest> ProxyRequest::parse(const QByteArray &head)
{
    const QByteArrayList words = head.left(head.indexOf("\r\n")).split(' ');
    if (words.size() != 3 || !words.at(2).startsWith("HTTP/1.") || words.at(0).isEmpty())
        return std::nullopt;
    ProxyRequest request;
    request.m_head = head;
    request.m_method = words.at(0);
    request.m_version = words.at(2);
    if (request.m_method == "CONNECT") {
        const auto target = RelayEndpoint::fromText(QString::fromLatin1(words.at(1)));
        if (!target)
            return std::nullopt;
        request.m_tunnel = true;
        request.m_target = *target;
        return request;
    }
    const auto address = absoluteAddress(words.at(1));
    if (!address)
        return std::nullopt;
    const auto target = endpointOf(address->authority, defaultPort(address->scheme));
    if (!target)
        return std::nullopt;
    request.m_plainHttp = address->scheme == "http";
    request.m_target = *target;
    request.m_authority = address->authority;
    request.m_originForm = address->originForm;
    return request;
}

QByteArray ProxyRequest::directHead() const
{
    const qsizetype lineEnd = m_head.indexOf("\r\n");
    const QByteArray head = m_method + ' ' + m_originForm + ' ' + m_version + m_head.mid(lineEnd);
    // Proxy credentials are for proxies, never for the site.
    return HttpHead::withDefault(HttpHead::closing(head, {"proxy-authorization"}), "Host", m_authority);
}

QByteArray ProxyRequest::upstreamHead(const QByteArray &authorization) const
{
    const QByteArray head = m_tunnel ? m_head : HttpHead::closing(m_head);
    return authorization.isEmpty() ? head : HttpHead::withDefault(head, "Proxy-Authorization", authorization);
}
