#pragma once

class QDBusConnection;

// True when assistive tools can reach this program: the desktop's
// accessibility bus (org.a11y.Bus) is on the session bus, or Qt is told to
// keep its accessibility on. Asks the bus once and never waits long.
bool assistiveBusPresent(const QDBusConnection &sessionBus);

// The web engine shows its pages to assistive tools only when told so before
// its first page is made; this tells it whenever the bus is there.
void exposeWebPagesToAssistiveTools(const QDBusConnection &sessionBus);
