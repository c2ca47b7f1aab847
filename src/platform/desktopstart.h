#pragma once

#include <QProcessEnvironment>
#include <QString>

// What must be settled before the application object exists.
class DesktopStart final
{
public:
    // The windowing platform to ask Qt for: "xcb" on a Wayland desktop that
    // offers XWayland, since only X11 lets the ticker and the search strip sit
    // at the screen's corner and on top; empty to leave Qt's own choice (also
    // whenever QT_QPA_PLATFORM names one).
    static QString platformFor(const QProcessEnvironment &environment);

    // Sets the platform above and the proxy variables' schemes in this
    // process's environment.
    static void prepare();

    Q_DISABLE_COPY_MOVE(DesktopStart)

private:
    DesktopStart() = default;
};
