#include "clickablelabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT hovered();
    QLabel::mouseMoveEvent(event);
    // Taken here: passed on, the move would reach the background, whose
    // filter hides the description this hover has just shown.
    event->accept();
}
