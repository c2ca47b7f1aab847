#include "assistivebus.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

// A session bus that cannot answer this at once is not worth a slower start.
constexpr int AnswerMs = 500;

} // namespace

bool assistiveBusPresent(const QDBusConnection &sessionBus)
{
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        return true;
    if (!sessionBus.isConnected())
        return false;
    // Owned, not activatable: asking would start the bus's launcher.
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("NameHasOwner"));
    ask << QStringLiteral("org.a11y.Bus");
    const QDBusMessage answer = sessionBus.call(ask, QDBus::Block, AnswerMs);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty()
        && answer.arguments().constFirst().toBool();
}

void exposeWebPagesToAssistiveTools(const QDBusConnection &sessionBus)
{
    const char *name = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";
    if (!qEnvironmentVariableIsSet(name) && assistiveBusPresent(sessionBus))
        qputenv(name, "1");
}
