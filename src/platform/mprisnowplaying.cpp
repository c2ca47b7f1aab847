#include "mprisnowplaying.h"

#include "mprisplayeradaptor.h"
#include "mprisrootadaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace {

const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

QString statusName(NowPlaying::Status status)
{
    switch (status) {
    case NowPlaying::Status::Playing:
        return QStringLiteral("Playing");
    case NowPlaying::Status::Paused:
        return QStringLiteral("Paused");
    case NowPlaying::Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

} // namespace

MprisNowPlaying::MprisNowPlaying(QDBusConnection connection, QObject *parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_root(new MprisRootAdaptor(this))
    , m_player(new MprisPlayerAdaptor(this))
{
}

MprisNowPlaying::~MprisNowPlaying()
{
    if (m_service.isEmpty())
        return;
    m_connection.unregisterService(m_service);
    m_connection.unregisterObject(QLatin1String(ObjectPath));
}

QString MprisNowPlaying::serviceName() const { return m_service; }

void MprisNowPlaying::setCommands(Commands *commands)
{
    m_root->setCommands(commands);
    m_player->setCommands(commands);
    if (commands)
        appear();
}

void MprisNowPlaying::showTrack(const Track &track)
{
    QVariantMap metadata;
    if (!track.title.isEmpty()) {
        // A new station is a new track for the desktop; the same page loaded again is not.
        if (track.title != m_title || m_track == 0)
            ++m_track;
        metadata.insert(QStringLiteral("mpris:trackid"),
            QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/sonvela/station/%1").arg(m_track))));
        metadata.insert(QStringLiteral("xesam:title"), track.title);
        metadata.insert(QStringLiteral("xesam:artist"), QStringList { track.artist });
    }
    m_title = track.title;
    announce(m_player->showMetadata(metadata));
}

void MprisNowPlaying::showStatus(Status status, const Abilities &abilities)
{
    announce(m_player->showStatus(statusName(status), abilities));
}

// Registers the player once. Another running copy of the program may hold
// the plain name; MPRIS then asks for an instance suffix.
bool MprisNowPlaying::appear()
{
    if (!m_service.isEmpty())
        return true;
    if (m_gaveUp || !m_connection.isConnected())
        return false;
    if (!m_connection.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportAdaptors)) {
        m_gaveUp = true;
        return false;
    }
    const QString plain = QLatin1String(ServiceName);
    const QString instance = plain + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid());
    for (const QString &name : { plain, instance }) {
        if (m_connection.registerService(name)) {
            m_service = name;
            return true;
        }
    }
    m_connection.unregisterObject(QLatin1String(ObjectPath));
    m_gaveUp = true;
    return false;
}

void MprisNowPlaying::announce(const QVariantMap &changed)
{
    if (changed.isEmpty() || m_service.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(ObjectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    m_connection.send(signal);
}
