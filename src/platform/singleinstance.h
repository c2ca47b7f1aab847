#pragma once

#include <QDBusConnection>

// One copy of the program per desktop. A copy takes the program's own name on
// the session bus before it makes any window; the bus gives a name to one
// connection only, so two copies started at the same instant cannot both run.
// Without a session bus there is no desktop to share and every start runs.
class SingleInstance final
{
public:
    static constexpr const char *BusName = "org.sonvela.Sonvela";

    // Usually QDBusConnection::sessionBus(); tests pass a private bus.
    explicit SingleInstance(QDBusConnection connection);

    // True when this copy may run: it now holds the name, or there is no bus.
    bool claim();
    // Asks the copy holding the name to show its window. That copy may be
    // starting at this very moment, so its player is waited for up to `waitMs`.
    bool raiseRunningCopy(int waitMs);

private:
    QDBusConnection m_connection;
};
