#include "pulseserver.h"

#include <gst/gst.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

PulseServer::PulseServer() = default;

PulseServer::~PulseServer()
{
    stop();
}

bool PulseServer::start()
{
    const QString runtime = m_root.path() + QStringLiteral("/run");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The daemon and every client of this process meet in the private folder;
    // HOME keeps the daemon's cookie out of the real home.
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("PULSE_RUNTIME_PATH", (runtime + QStringLiteral("/pulse")).toLocal8Bit());
    qputenv("PULSE_SERVER", (QStringLiteral("unix:") + runtime + QStringLiteral("/pulse/native")).toLocal8Bit());
    qputenv("HOME", m_root.path().toLocal8Bit());

    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"), QStringLiteral("-n"),
                    QStringLiteral("--load=module-native-protocol-unix"),
                    QStringLiteral("--load=module-null-sink sink_name=speakers")});
    if (!m_daemon.waitForStarted(5000)) {
        m_problem = QStringLiteral("pulseaudio did not start: ") + m_daemon.errorString();
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_daemon.state() != QProcess::Running) {
            m_problem = QStringLiteral("pulseaudio ended: ") + QString::fromLocal8Bit(m_daemon.readAll());
            return false;
        }
        if (pactl({QStringLiteral("info")}))
            return true;
        QThread::msleep(100);
    }
    m_problem = QStringLiteral("pulseaudio did not answer within 10 s");
    return false;
}

void PulseServer::stop()
{
    stopTone();
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(2000);
    }
}

bool PulseServer::pactl(const QStringList &arguments, QByteArray *output) const
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool PulseServer::playTone(int frequency)
{
    stopTone();
    const QByteArray description = QStringLiteral("audiotestsrc wave=sine freq=%1 volume=0.5 is-live=true ! "
                                                  "audio/x-raw,rate=44100,channels=2 ! pulsesink device=speakers")
                                       .arg(frequency)
                                       .toUtf8();
    GError *error = nullptr;
    m_tone = gst_parse_launch(description.constData(), &error);
    g_clear_error(&error);
    if (!m_tone)
        return false;
    if (gst_element_set_state(m_tone, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        stopTone();
        return false;
    }
    gst_element_get_state(m_tone, nullptr, nullptr, 5 * GST_SECOND);
    return true;
}

void PulseServer::stopTone()
{
    if (!m_tone)
        return;
    gst_element_set_state(m_tone, GST_STATE_NULL);
    gst_object_unref(m_tone);
    m_tone = nullptr;
}
