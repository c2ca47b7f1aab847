#include "cornerwindow.h"

#include <QGuiApplication>
#include <QWidget>

bool CornerWindow::placedByDesktop()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool CornerWindow::throughXWayland()
{
    return !placedByDesktop() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void CornerWindow::move(QWidget &window, QPoint to)
{
    const bool remap = throughXWayland() && window.isVisible() && window.pos() != to;
    if (remap)
        window.hide();
    window.move(to);
    if (remap)
        window.show();
}

void CornerWindow::style(QWidget &window, const QString &title)
{
    // A tool window has no taskbar entry; but the X window manager of a
    // Wayland compositor places tool windows itself, plain ones where asked.
    const Qt::WindowFlags flags = placedByDesktop() ? Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                  : throughXWayland() ? Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                             : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    if (window.windowFlags() != flags)
        window.setWindowFlags(flags);
    window.setWindowTitle(placedByDesktop() ? title + QStringLiteral(" — su Wayland il desktop decide dove")
                                            : title);
}
