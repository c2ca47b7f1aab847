#include "clickablelabel.h"

#include "clickablelabelaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    ClickableLabelAccessible::install();
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // Tab only: a mouse click leaves no focus frame behind.
    setFocusPolicy(Qt::TabFocus);
}

QString ClickableLabel::description() const
{
    return m_describer ? m_describer() : toolTip();
}

void ClickableLabel::press()
{
    Q_EMIT clicked();
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

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        press();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        Q_EMIT stepped(-1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        Q_EMIT stepped(1);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    // The window getting active again is no move of the person's.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Q_EMIT hovered();
    // Assistive tools keep what they read; the description may have changed since.
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn here, not by the style: the labels' style sheets leave no focus frame.
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
