#include "settings/proxyfile.h"

#include "platform/proxysession.h"
#include "settings/atomicfile.h"
#include "settings/proxyforms.h"
#include "settings/settingslines.h"

#include <QStringList>

QString ProxyFile::path(const QString &settingsFolder) { return settingsFolder + QStringLiteral("PrxSV.txt"); }

ProxySettings ProxyFile::parse(const SettingsLines &lines)
{
    ProxySettings settings;
    settings.address = lines.text(1);
    settings.port = lines.text(2);
    settings.useBrowserDefaults = lines.flag(3);
    return settings;
}

QByteArray ProxyFile::compose(const ProxySettings &settings)
{
    return SettingsLines::compose(
        { settings.address, settings.port, SettingsLines::flagText(settings.useBrowserDefaults) });
}

ProxySettings ProxyFile::read(const QString &settingsFolder)
{
    const auto lines = SettingsLines::readFile(path(settingsFolder));
    return lines ? parse(*lines) : ProxySettings();
}

void ProxyFile::write(const QString &settingsFolder, const ProxySettings &settings)
{
    AtomicFile(path(settingsFolder)).write(compose(settings));
}

bool ProxyFile::needsApplying(const ProxySettings &settings)
{
    const ProxySettings route = ProxyForms::normalised(settings);
    return (!route.address.isEmpty() && !route.port.isEmpty()) || !route.useBrowserDefaults;
}

bool ProxyFile::apply(const ProxySettings &settings, ProxySession &session)
{
    const ProxySettings route = ProxyForms::normalised(settings);
    if (!route.address.isEmpty() && !route.port.isEmpty())
        return session.apply(ProxySession::Access::Proxy, { route.address + QLatin1Char(':') + route.port }, {});
    return session.apply(ProxySession::Access::Direct, {}, {});
}

bool ProxyFile::applyAtStartup(const ProxySettings &settings, ProxySession &session)
{
    if (!needsApplying(settings))
        return false;
    apply(settings, session);
    return true;
}
