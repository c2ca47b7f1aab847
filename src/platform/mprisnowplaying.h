#pragma once

#include "nowplaying.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class MprisPlayerAdaptor;
class MprisRootAdaptor;

// The program's player on the session bus (MPRIS), so that media keys and
// desktop widgets show and steer what is heard. The player appears once it
// has commands to obey; without a bus nothing is shown and nothing is said.
class MprisNowPlaying final : public QObject, public NowPlaying
{
    Q_OBJECT

public:
    static constexpr const char *ServiceName = "org.mpris.MediaPlayer2.sonvela";
    static constexpr const char *ObjectPath = "/org/mpris/MediaPlayer2";

    // Usually QDBusConnection::sessionBus(); tests pass a private bus.
    explicit MprisNowPlaying(QDBusConnection connection, QObject *parent = nullptr);
    ~MprisNowPlaying() override;

    void setCommands(Commands *commands) override;
    void showTrack(const Track &track) override;
    void showStatus(Status status, const Abilities &abilities) override;

    // The bus name taken; empty until the player has appeared.
    QString serviceName() const;

    Q_DISABLE_COPY_MOVE(MprisNowPlaying)

private:
    bool appear();
    void announce(const QVariantMap &changed);

    QDBusConnection m_connection;
    MprisRootAdaptor *m_root;
    MprisPlayerAdaptor *m_player;
    QString m_service;
    bool m_gaveUp = false;
    QString m_title;
    int m_track = 0;
};
