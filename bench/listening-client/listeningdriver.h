#pragma once

#include <QObject>
#include <QSocketNotifier>

class TFrm_Sonvela;

// Lets bench/listening put the client in each listening situation through
// its real widgets, one command a line on standard input: "catalogue" (the
// catalogue tab in front), "player" (click the first most-clicked station,
// as a person picks one), "tray" (hide the window as the tray's hide
// does), "restore", "recorder" (the recorder tab in front) and "record"
// (the sound server's monitor, MP3, Rec); "windows" lists the windows shown; "grab FILE"
// saves a picture of the main window. Each is answered on standard error
// with "listening-driver ok|failed <command> [<detail>]". Only the
// benchmark's build of the client has one.
class ListeningDriver final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListeningDriver)

public:
    explicit ListeningDriver(QObject *parent = nullptr);

private:
    void readCommand();
    QString run(const QString &command, TFrm_Sonvela &window);
    static QString record(TFrm_Sonvela &window);
    static void say(bool ok, const QString &command, const QString &detail);

    QSocketNotifier m_input;
};
