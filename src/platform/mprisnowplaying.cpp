#include "mprisnowplaying.h"

#include "mprisplayeradaptor.h"
#include "mprisrootadaptor.h"

#include "messenger/nowplayingnotice.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace {

const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

} // namespace

MprisNowPlaying::MprisNowPlaying(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection)), m_player(new MprisPlayerAdaptor(this))
{
    new MprisRootAdaptor(this);
}

MprisNowPlaying::~MprisNowPlaying()
{
    if (m_service.isEmpty())
        return;
    m_connection.unregisterService(m_service);
    m_connection.unregisterObject(QLatin1String(ObjectPath));
}

QString MprisNowPlaying::serviceName() const
{
    return m_service;
}

void MprisNowPlaying::deliver(const QByteArray &notice)
{
    const auto content = NowPlayingNotice::parse(notice);
    if (!content)
        return;
    // A withdrawal before anything was shown has nothing to withdraw.
    if (!content->playing && m_service.isEmpty())
        return;
    if (!appear())
        return;

    QVariantMap metadata;
    if (content->playing) {
        if (content->title != m_title || m_track == 0)
            ++m_track;
        m_title = content->title;
        metadata.insert(QStringLiteral("mpris:trackid"),
                        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/sonvela/station/%1").arg(m_track))));
        metadata.insert(QStringLiteral("xesam:title"), content->title);
        metadata.insert(QStringLiteral("xesam:artist"), QStringList{content->artist});
    } else {
        m_title.clear();
    }
    announce(m_player->show(content->playing ? QStringLiteral("Playing") : QStringLiteral("Stopped"), metadata));
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
    for (const QString &name : {plain, instance}) {
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
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(ObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    m_connection.send(signal);
}
