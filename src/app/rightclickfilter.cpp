#include "rightclickfilter.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

bool RightClickFilter::isInsideWebPage(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o->inherits("QWebEngineView"))
            return true;
    }
    return false;
}

bool RightClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton && isInsideWebPage(watched))
            return true;
        break;
    case QEvent::ContextMenu:
        if (isInsideWebPage(watched))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
