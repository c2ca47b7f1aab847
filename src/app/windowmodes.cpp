#include "windowmodes.h"

#include "trayicon.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>

WindowModes::WindowModes(Controls controls, TextFor text, std::function<QString()> windowHint, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_text(std::move(text))
    , m_windowHint(std::move(windowHint))
{
    m_c.client->installEventFilter(this);
}

bool WindowModes::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager sizes a maximised window after the request, and
    // may again later (a panel appears): the layout follows each size.
    if (watched == m_c.client && event->type() == QEvent::Resize && fullScreen())
        layoutFullScreen();
    return QObject::eventFilter(watched, event);
}

bool WindowModes::compact() const
{
    return m_c.Rimpicciolisciinalto1->data().toInt() == 1;
}

bool WindowModes::fullScreen() const
{
    return m_c.Atuttoschermo1->data().toInt() == 1;
}

void WindowModes::setCompactItemsVisible(bool visible)
{
    for (QAction *item : {m_c.RadioMenu, m_c.Atuttoschermo1, m_c.N9, m_c.Newsletter1, m_c.N4})
        item->setVisible(visible);
}

void WindowModes::fitClientToChildren()
{
    QRect bounds;
    // Only the panels count: a browser that lies hidden behind them (the
    // preferences page) must not make the compact bar a box.
    for (QWidget *child : {m_c.Pnl_Tv, m_c.Pnl_Ridotto}) {
        if (child && !child->isHidden())
            bounds = bounds.united(child->geometry());
    }
    const QSize size(std::max(bounds.right() + 1, 1), std::max(bounds.bottom() + 1, 1));
    m_c.client->setFixedSize(size);
    m_c.window->setFixedSize(m_c.window->sizeHint());
}

void WindowModes::Rimpicciolisciinalto1Click()
{
    QMainWindow *w = m_c.window;
    if (!compact()) {
        SavedTop = w->y();
        SavedLeft = w->x();
        w->move(0, 0);
        m_c.Pnl_Ridotto->show();
        m_c.Pnl_Tv->hide();
        m_c.Rimpicciolisciinalto1->setText(m_text(9));
        m_c.Rimpicciolisciinalto1->setData(1);
        w->setWindowTitle(m_windowHint());
        setCompactItemsVisible(false);
    } else {
        w->move(SavedLeft, SavedTop);
        m_c.Pnl_Tv->show();
        m_c.Pnl_Ridotto->hide();
        m_c.Rimpicciolisciinalto1->setText(m_text(8));
        m_c.Rimpicciolisciinalto1->setData(0);
        w->setWindowTitle(standardCaption());
        setCompactItemsVisible(true);
    }
    fitClientToChildren();
}

void WindowModes::Atuttoschermo1Click()
{
    QMainWindow *w = m_c.window;
    if (!fullScreen()) {
        SavedTop = w->y();
        SavedLeft = w->x();
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_c.client->setMinimumSize(0, 0);
        m_c.client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // A window manager may refuse to maximise a window that offers no
        // maximise box: it is given the screen's free area, its frame within.
        if (const QScreen *screen = w->screen()) {
            const QRect frame = w->frameGeometry();
            const QRect inner = w->geometry();
            w->setGeometry(screen->availableGeometry().adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                                                                inner.right() - frame.right(),
                                                                inner.bottom() - frame.bottom()));
        }
        w->showMaximized();
        m_c.Atuttoschermo1->setText(m_text(9));
        m_c.Atuttoschermo1->setData(1);
        m_c.Rimpicciolisciinalto1->setVisible(false);
        m_c.Pnl_SponsorAgg->hide();
        m_c.N3->setVisible(false);
        layoutFullScreen();
    } else {
        w->showNormal();
        w->move(SavedLeft, SavedTop);
        m_c.Atuttoschermo1->setText(m_text(11));
        m_c.Atuttoschermo1->setData(0);
        m_c.Rimpicciolisciinalto1->setVisible(true);
        m_c.Pnl_SponsorAgg->show();
        m_c.N3->setVisible(true);
        layoutNormal();
    }
}

void WindowModes::layoutFullScreen()
{
    const QSize client = m_c.client->size();
    const int W = client.width();
    const int H = client.height();
    m_c.Pnl_Tv->setGeometry(0, 0, W, H);
    m_c.Sfondo->setGeometry(0, 0, W, H);
    frameListeningArea();
    m_c.Pnl_Ascolta->setGeometry(0, 0, W, H - 70);
    m_c.Panel1->setGeometry(0, H - 70, W, m_c.Panel1->height());
    m_c.Panel2->setGeometry(0, 0, W, m_c.Panel2->height());
    layoutBrowsers();
}

void WindowModes::layoutNormal()
{
    m_c.Pnl_Tv->setGeometry(m_c.Pnl_Tv->x(), m_c.Pnl_Tv->y(), 716, 477);
    m_c.Sfondo->setGeometry(0, 14, 561, 463);
    frameListeningArea();
    m_c.Pnl_Ascolta->setGeometry(1, 1, 559, 392);
    m_c.Panel1->setGeometry(0, 407, 559, m_c.Panel1->height());
    m_c.Panel2->setGeometry(1, 1, 557, m_c.Panel2->height());
    layoutBrowsers();
    fitClientToChildren();
}

void WindowModes::frameListeningArea()
{
    // The listening area's positions count from the background's corner.
    QWidget *frame = m_c.Pnl_Ascolta->parentWidget();
    if (frame && frame != m_c.Pnl_Tv) {
        frame->setGeometry(m_c.Sfondo->geometry());
        // Moved up to the top in full screen, the tabs go over the description
        // line there; elsewhere the two do not meet.
        frame->raise();
    }
}

void WindowModes::layoutBrowsers()
{
    // A browser engine that shows nothing has no widget to place.
    if (m_c.WB_Principale)
        m_c.WB_Principale->setGeometry(1, 1, m_c.Sfondo->width() - 2, m_c.Sfondo->height() - 2);
    if (m_c.Wb_Radio)
        m_c.Wb_Radio->setGeometry(0, 0, m_c.Pnl_Ascolta->width() - 7, m_c.Pnl_Ascolta->height() - 28);
    if (m_c.WebBrowser2)
        m_c.WebBrowser2->setGeometry(1, 1, m_c.WebBrowser2->width(), m_c.Panel1->height() - 2);
    // Their panel holds them whole, or it cuts the player's page short.
    QRect held;
    for (QWidget *browser : {m_c.WB_Principale, m_c.Wb_Radio}) {
        if (browser)
            held = held.united(browser->geometry());
    }
    if (!held.isNull())
        m_c.Panel2->resize(std::max(m_c.Panel2->width(), held.right() + 1), held.bottom() + 1);
    // The loading line runs along the player's bottom, wherever that is now.
    if (m_c.Wb_Radio)
        m_c.Lbl_Caricamento->setGeometry(0, m_c.Panel2->y() + m_c.Wb_Radio->geometry().bottom() - 16,
                                         m_c.Wb_Radio->width(), 14);
}

void WindowModes::Riduciaicona1Click()
{
    m_c.tray->show();
    // Hidden without a tray, the window could not be reached again.
    if (TrayIcon::trayAvailable())
        m_c.window->hide();
    else
        m_c.window->showMinimized();
}

void WindowModes::Ripristina1Click()
{
    QMainWindow *w = m_c.window;
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}
