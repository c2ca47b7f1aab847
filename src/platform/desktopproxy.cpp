#include "desktopproxy.h"

#include <QNetworkProxyFactory>
#include <QUrl>

std::optional<RelayEndpoint> DesktopProxy::forTarget(const RelayEndpoint &target, bool tunnel)
{
    QUrl url;
    url.setScheme(tunnel ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(target.host);
    url.setPort(target.port);
    // The first answer decides; later ones are fallbacks for when it fails.
    const QList<QNetworkProxy> proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    if (proxies.isEmpty() || proxies.first().type() != QNetworkProxy::HttpProxy
        || proxies.first().hostName().isEmpty())
        return std::nullopt;
    const QNetworkProxy &proxy = proxies.first();
    RelayEndpoint endpoint{proxy.hostName(), proxy.port()};
    if (!proxy.user().isEmpty())
        endpoint.authorization = "Basic " + (proxy.user() + QLatin1Char(':') + proxy.password()).toUtf8().toBase64();
    return endpoint;
}

QProcessEnvironment DesktopProxy::withSchemes(const QProcessEnvironment &environment)
{
    QProcessEnvironment changed;
    for (const char *name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"}) {
        const QString key = QLatin1String(name);
        const QString value = environment.value(key).trimmed();
        if (!value.isEmpty() && !value.contains(QLatin1String("://")))
            changed.insert(key, QStringLiteral("http://") + value);
    }
    return changed;
}
