#include "webimages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace WebImages {

namespace {
const QColor Accent(255, 140, 0);
const QColor AccentDark(150, 60, 0);
} // namespace

QPixmap searchHandle()
{
    QPixmap pixmap(15, 40);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 15, 0);
    g.setColorAt(0.0, Accent);
    g.setColorAt(1.0, AccentDark);
    p.fillRect(pixmap.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    // A magnifier over a small arrow: search, and that the strip slides.
    p.setPen(QPen(Qt::black, 1.6));
    p.drawEllipse(QRectF(2.5, 8.5, 7.0, 7.0));
    p.drawLine(QPointF(8.5, 14.5), QPointF(12.0, 18.0));
    QPainterPath arrow;
    arrow.moveTo(10.0, 25.0);
    arrow.lineTo(4.0, 29.5);
    arrow.lineTo(10.0, 34.0);
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    return pixmap;
}

QPixmap productPicture()
{
    QPixmap pixmap(168, 49);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 168, 49);
    g.setColorAt(0.0, QColor(30, 30, 30));
    g.setColorAt(1.0, QColor(0, 0, 0));
    p.fillRect(pixmap.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Accent);
    p.setPen(Qt::NoPen);
    // Three sound waves beside the name.
    for (int k = 0; k < 3; ++k)
        p.drawRoundedRect(QRectF(8 + 7 * k, 24 - 6 * k, 4, 12 + 12 * k), 2, 2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Accent);
    p.drawText(QRect(36, 0, 130, 49), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Sonvela"));
    return pixmap;
}

} // namespace WebImages
