#pragma once

#include "nowplaying.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

// org.mpris.MediaPlayer2.Player of the program's player: the station, its
// playback status and what may be asked of it; commands go to the program.
// A live station has no position and cannot seek.
class MprisPlayerAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Rate READ rate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(double Volume READ volume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ cannot)
    Q_PROPERTY(bool CanControl READ canControl)

public:
    explicit MprisPlayerAdaptor(QObject *parent);

    QString playbackStatus() const { return m_status; }
    QVariantMap metadata() const { return m_metadata; }
    double rate() const { return 1.0; }
    double volume() const { return 1.0; }
    qlonglong position() const { return 0; }
    bool canGoNext() const { return m_abilities.next; }
    bool canGoPrevious() const { return m_abilities.previous; }
    bool canPlay() const { return m_abilities.play; }
    bool canPause() const { return m_abilities.pause; }
    bool canControl() const { return m_commands != nullptr; }
    bool cannot() const { return false; }

    void setCommands(NowPlaying::Commands *commands) { m_commands = commands; }
    // Each returns the properties that changed, by name.
    QVariantMap showMetadata(const QVariantMap &metadata);
    QVariantMap showStatus(const QString &status, const NowPlaying::Abilities &abilities);

    Q_DISABLE_COPY_MOVE(MprisPlayerAdaptor)

public Q_SLOTS:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong) { }
    void SetPosition(const QDBusObjectPath &, qlonglong) { }
    void OpenUri(const QString &) { }

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    void forward(void (NowPlaying::Commands::*command)());

    NowPlaying::Commands *m_commands = nullptr;
    QString m_status = QStringLiteral("Stopped");
    QVariantMap m_metadata;
    NowPlaying::Abilities m_abilities;
};
