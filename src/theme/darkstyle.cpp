#include "darkstyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace {

// The frame: the text colour softened, so a box reads as a box and not as a
// glyph; it still stands 7:1 off black. Keyboard focus shows in the accent.
QColor frameColour(const QStyleOption *option)
{
    if ((option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange))
        return option->palette.color(QPalette::Highlight);
    const QColor text = option->palette.color(QPalette::Text);
    return (option->state & QStyle::State_MouseOver) ? text : text.darker(140);
}

QColor fillColour(const QStyleOption *option)
{
    const QColor base = option->palette.color(QPalette::Base);
    return (option->state & QStyle::State_Sunken) ? base.lighter(250) : base;
}

// Saves the painter and sets it up for the indicator's frame; returns where
// the frame goes, on the pixel grid.
QRectF beginIndicator(const QStyleOption *option, QPainter *painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(frameColour(option), 1.0));
    painter->setBrush(fillColour(option));
    return QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

} // namespace

DarkStyle::DarkStyle(QStyle *base) : QProxyStyle(base) {}

void DarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    switch (element) {
    case PE_IndicatorCheckBox:
        drawCheckBox(option, painter);
        return;
    case PE_IndicatorRadioButton:
        drawRadioButton(option, painter);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void DarkStyle::drawCheckBox(const QStyleOption *option, QPainter *painter)
{
    const QRectF box = beginIndicator(option, painter);
    painter->drawRoundedRect(box, 2.0, 2.0);

    const QColor mark = option->palette.color(QPalette::Text);
    const QRectF inner = box.adjusted(3, 3, -3, -3);
    if (option->state & QStyle::State_On) {
        QPainterPath tick;
        tick.moveTo(inner.left(), inner.center().y());
        tick.lineTo(inner.left() + inner.width() * 0.4, inner.bottom());
        tick.lineTo(inner.right(), inner.top());
        painter->setPen(QPen(mark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    } else if (option->state & QStyle::State_NoChange) {
        painter->fillRect(inner.adjusted(0, inner.height() / 2 - 1, 0, -inner.height() / 2 + 1), mark);
    }
    painter->restore();
}

void DarkStyle::drawRadioButton(const QStyleOption *option, QPainter *painter)
{
    const QRectF circle = beginIndicator(option, painter);
    painter->drawEllipse(circle);
    if (option->state & QStyle::State_On) {
        const qreal radius = circle.width() / 4.5;
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(QPalette::Text));
        painter->drawEllipse(circle.center(), radius, radius);
    }
    painter->restore();
}
