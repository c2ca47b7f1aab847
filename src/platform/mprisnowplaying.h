#pragma once

#include "nowplaying.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class MprisPlayerAdaptor;

// The now-playing notice on Linux: an MPRIS player on the session bus that
// shows the station as title and the credit as artist, so that desktop
// widgets show what is heard. The player appears with the first station
// announced; without a bus nothing is shown and nothing is said.
class MprisNowPlaying final : public QObject, public NowPlaying
{
    Q_OBJECT

public:
    static constexpr const char *ServiceName = "org.mpris.MediaPlayer2.sonvela";
    static constexpr const char *ObjectPath = "/org/mpris/MediaPlayer2";

    // Usually QDBusConnection::sessionBus(); tests pass a private bus.
    explicit MprisNowPlaying(QDBusConnection connection, QObject *parent = nullptr);
    ~MprisNowPlaying() override;

    void deliver(const QByteArray &notice) override;

    // The bus name taken; empty until the player has appeared.
    QString serviceName() const;

    Q_DISABLE_COPY_MOVE(MprisNowPlaying)

private:
    bool appear();
    void announce(const QVariantMap &changed);

    QDBusConnection m_connection;
    MprisPlayerAdaptor *m_player;
    QString m_service;
    bool m_gaveUp = false;
    QString m_title;
    int m_track = 0;
};
