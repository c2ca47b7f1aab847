#include "keyboardrouterfilter.h"

#include "keyboardrouter.h"

#include "platform/browser.h"

#include <QKeyEvent>
#include <QWidget>

KeyboardRouterFilter::KeyboardRouterFilter(ShownPage shownPage, BrowserOfPage browserOfPage, QObject *parent)
    : QObject(parent)
    , m_shownPage(std::move(shownPage))
    , m_browserOfPage(std::move(browserOfPage))
{
}

bool KeyboardRouterFilter::isBrowserAccelerator(int key, Qt::KeyboardModifiers modifiers)
{
    // Backspace and plain arrows are the page's own keys, never accelerators.
    const bool alt = modifiers & Qt::AltModifier;
    return key == Qt::Key_Back || key == Qt::Key_Forward || key == Qt::Key_Refresh || key == Qt::Key_F5
           || (alt && (key == Qt::Key_Left || key == Qt::Key_Right));
}

bool KeyboardRouterFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int page = m_shownPage();
    Browser *browser = KeyboardRouter::pageHasBrowser(page) ? m_browserOfPage(page) : nullptr;
    QWidget *view = browser ? browser->widget() : nullptr;
    auto *target = qobject_cast<QWidget *>(watched);
    if (!view || !target || (target != view && !view->isAncestorOf(target)))
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto action = KeyboardRouter::route(page, browser->busy(), true, key->key());
    // Offered only: the page still gets the key, the browser's shortcuts do not.
    if (action == KeyboardRouter::Action::Offered && isBrowserAccelerator(key->key(), key->modifiers()))
        return true;
    return QObject::eventFilter(watched, event);
}
