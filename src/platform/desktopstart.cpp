#include "desktopstart.h"

#include "desktopproxy.h"

QString DesktopStart::platformFor(const QProcessEnvironment &environment)
{
    const auto set = [&environment](const char *name) { return !environment.value(QLatin1String(name)).isEmpty(); };
    const bool wayland = set("WAYLAND_DISPLAY")
                      || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    if (set("QT_QPA_PLATFORM") || !set("DISPLAY") || !wayland)
        return {};
    return QStringLiteral("xcb");
}

void DesktopStart::prepare()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment changed = DesktopProxy::withSchemes(environment);
    const QString platform = platformFor(environment);
    if (!platform.isEmpty())
        changed.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    for (const QString &name : changed.keys())
        qputenv(name.toLocal8Bit().constData(), changed.value(name).toLocal8Bit());
}
