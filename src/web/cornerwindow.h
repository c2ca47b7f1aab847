#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// The ticker and the search strip: borderless windows kept on top at a corner
// of the screen. X11 lets a program place and stack its windows; Wayland does
// not, so there they get the desktop's own frame instead, to be moved and
// closed by hand, and their title says why. Through XWayland they keep
// their corner but show in the taskbar.
class CornerWindow final
{
public:
    static bool placedByDesktop();
    static bool throughXWayland();
    // Moves the window. The X window manager of a Wayland compositor may keep
    // the position a window is mapped with only, so there a shown window is
    // mapped again at its new place.
    static void move(QWidget &window, QPoint to);
    // Sets the window's flags (only when they change: that hides a window)
    // and its title.
    static void style(QWidget &window, const QString &title);

    Q_DISABLE_COPY_MOVE(CornerWindow)

private:
    CornerWindow() = default;
};
