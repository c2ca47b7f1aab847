#include "userpagechange.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

UserPageChange::UserPageChange(QTabWidget *tabs) : QObject(tabs)
{
    tabs->installEventFilter(this);
    tabs->tabBar()->installEventFilter(this);
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
        // One input changes the page at most once; later changes are code's.
        if (!m_userInput)
            return;
        m_userInput = false;
        Q_EMIT changed(page);
    });
}

bool UserPageChange::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        // The page changes while this event is delivered; anything later is code.
        m_userInput = true;
        QTimer::singleShot(0, this, [this] { m_userInput = false; });
        break;
    default:
        break;
    }
    return false;
}
