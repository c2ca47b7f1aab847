#include "primaryscreenarea.h"

#include <QGuiApplication>
#include <QScreen>

PrimaryScreenArea::PrimaryScreenArea(QObject *parent) : QObject(parent)
{
    watch(QGuiApplication::primaryScreen());
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen *screen) {
        watch(screen);
        Q_EMIT changed();
    });
}

void PrimaryScreenArea::watch(QScreen *screen)
{
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (screen)
        connect(screen, &QScreen::availableGeometryChanged, this, &PrimaryScreenArea::changed);
}

bool PrimaryScreenArea::available() const
{
    return m_screen != nullptr;
}

ScreenEdges PrimaryScreenArea::edges() const
{
    return m_screen ? ScreenEdges::of(m_screen->availableGeometry()) : ScreenEdges();
}
