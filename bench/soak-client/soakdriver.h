#pragma once

#include <QObject>
#include <QTimer>

class TFrm_Sonvela;

// Drives the client's own recorder page for the memory soak: once the main
// window has been up a while (its start-up station playing), it opens the
// "Audio Recording" tab, picks the sound server's monitor and MP3, and
// presses Rec through the real widgets. Then it reports the recorded time to
// standard error every minute with the gauges' level: "soak-driver <event> [<detail>]". Only the
// soak build of the client has one.
class SoakDriver final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoakDriver)

public:
    explicit SoakDriver(QObject *parent = nullptr);

private:
    void step();
    bool startRecording(TFrm_Sonvela &window);
    void report();
    static void say(const char *event, const QString &detail = {});

    QTimer m_timer;
    int m_waited = 0;
    TFrm_Sonvela *m_window = nullptr;
};
