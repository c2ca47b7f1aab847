#pragma once

#include "screenedges.h"

#include <QObject>
#include <QPointer>

class QScreen;

// The primary screen's available area, the Linux stand-in for the full-screen
// metrics: `changed` fires when that area moves or resizes or another screen
// becomes the primary one, so windows placed against it can follow.
class PrimaryScreenArea final : public QObject
{
    Q_OBJECT
public:
    explicit PrimaryScreenArea(QObject *parent = nullptr);

    // False while there is no screen at all.
    bool available() const;
    ScreenEdges edges() const;

Q_SIGNALS:
    void changed();

private:
    void watch(QScreen *screen);

    QPointer<QScreen> m_screen;
};
