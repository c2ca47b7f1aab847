#pragma once

#include <QObject>

// Prints the moments of the client's start-up, as wall-clock milliseconds
// since the epoch, to standard error: "sonvela-trace <ms> <event>". Only the
// benchmark build of the client has one; the shipped program never does.
class StartupTrace final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupTrace)

public:
    explicit StartupTrace(QObject *parent = nullptr);
    static void mark(const char *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_windowPainted = false;
    bool m_cataloguePainted = false;
};
