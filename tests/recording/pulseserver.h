#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

typedef struct _GstElement GstElement;

// A private PulseAudio daemon with one null sink "speakers", in its own
// runtime folder; this process's PulseAudio clients are pointed at it. A tone
// can be played into the sink, so its monitor source hears it.
class PulseServer
{
public:
    PulseServer();
    ~PulseServer();

    // False with a reason in problem() when the daemon did not come up.
    bool start();
    void stop();
    const QString &problem() const { return m_problem; }

    // Runs pactl against this daemon; true when it succeeded.
    bool pactl(const QStringList &arguments, QByteArray *output = nullptr) const;

    // A sine of `frequency` Hz, half of full scale, on both channels.
    bool playTone(int frequency);
    void stopTone();

private:
    QTemporaryDir m_root;
    QProcess m_daemon;
    QString m_problem;
    GstElement *m_tone = nullptr;
};
