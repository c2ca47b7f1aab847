#pragma once

#include "settings/proxysettings.h"

#include <QByteArray>
#include <QString>

class ProxySession;
class SettingsLines;

// "PrxSV.txt": address, port, "SI"/"NO" for keeping the system's settings.
class ProxyFile final
{
public:
    static QString path(const QString &settingsFolder);

    // A file without its third line turns the system's settings off.
    static ProxySettings parse(const SettingsLines &lines);
    static QByteArray compose(const ProxySettings &settings);

    // The start values when the file is absent.
    static ProxySettings read(const QString &settingsFolder);
    static void write(const QString &settingsFolder, const ProxySettings &settings);

    // Whether the session must be set at all: with both address and port (in
    // their normal forms, see ProxyForms), or when the system's settings are
    // not wanted.
    static bool needsApplying(const ProxySettings &settings);
    // Proxy "address:port" exactly when both are set, a direct connection
    // otherwise; false when the session refuses the route.
    static bool apply(const ProxySettings &settings, ProxySession &session);
    // Start-up: applies only when needed; true when it did.
    static bool applyAtStartup(const ProxySettings &settings, ProxySession &session);
};
