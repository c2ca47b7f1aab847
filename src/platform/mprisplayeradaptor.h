#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

// org.mpris.MediaPlayer2.Player of the now-playing player. It reports the
// station and its playback status; control stays in the program's window, so
// every Can* is false and the control methods do nothing.
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
    Q_PROPERTY(bool CanGoNext READ cannot)
    Q_PROPERTY(bool CanGoPrevious READ cannot)
    Q_PROPERTY(bool CanPlay READ cannot)
    Q_PROPERTY(bool CanPause READ cannot)
    Q_PROPERTY(bool CanSeek READ cannot)
    Q_PROPERTY(bool CanControl READ cannot)

public:
    explicit MprisPlayerAdaptor(QObject *parent);

    QString playbackStatus() const { return m_status; }
    QVariantMap metadata() const { return m_metadata; }
    double rate() const { return 1.0; }
    double volume() const { return 1.0; }
    qlonglong position() const { return 0; }
    bool cannot() const { return false; }

    // Sets status and metadata; returns the properties that changed, by name.
    QVariantMap show(const QString &status, const QVariantMap &metadata);

    Q_DISABLE_COPY_MOVE(MprisPlayerAdaptor)

public Q_SLOTS:
    void Next() {}
    void Previous() {}
    void Pause() {}
    void PlayPause() {}
    void Stop() {}
    void Play() {}
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath &, qlonglong) {}
    void OpenUri(const QString &) {}

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    QString m_status = QStringLiteral("Stopped");
    QVariantMap m_metadata;
};
