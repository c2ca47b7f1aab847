#include "listeningframe.h"

#include <QEvent>

ListeningFrame::ListeningFrame(QWidget *parent, QRect geometry) : QWidget(parent)
{
    setObjectName(QStringLiteral("ListeningFrame"));
    setGeometry(geometry);
}

void ListeningFrame::hold(QWidget *area)
{
    m_area = area;
    area->installEventFilter(this);
    fitMask();
}

bool ListeningFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            fitMask();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListeningFrame::fitMask()
{
    // An empty mask would mean none at all: a hidden area leaves one pixel.
    setMask(m_area && !m_area->isHidden() ? QRegion(m_area->geometry()) : QRegion(0, 0, 1, 1));
}
