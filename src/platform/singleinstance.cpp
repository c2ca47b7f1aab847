#include "singleinstance.h"

#include "mprisnowplaying.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDBusError>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace {

constexpr int RetryMs = 100;

} // namespace

SingleInstance::SingleInstance(QDBusConnection connection) : m_connection(std::move(connection)) {}

bool SingleInstance::claim()
{
    if (!m_connection.isConnected())
        return true;
    // Asking and taking in one request: a name held elsewhere is not queued for.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = m_connection.interface()->registerService(
        QLatin1String(BusName), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    return !reply.isValid() || reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

bool SingleInstance::raiseRunningCopy(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    const QDBusMessage raise = QDBusMessage::createMethodCall(QLatin1String(BusName),
        QLatin1String(MprisNowPlaying::ObjectPath), QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Raise"));
    for (;;) {
        const QDBusMessage reply
            = m_connection.call(raise, QDBus::BlockWithGui, std::max(1, static_cast<int>(deadline.remainingTime())));
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
        // The holder has gone, or will not answer in time.
        const QDBusError::ErrorType error = QDBusError(reply).type();
        if (error == QDBusError::ServiceUnknown || error == QDBusError::NoReply || deadline.hasExpired())
            return false;
        // Still building its windows: its player is not there yet.
        QThread::msleep(RetryMs);
    }
}
