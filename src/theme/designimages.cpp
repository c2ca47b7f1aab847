#include "designimages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace DesignImages {

namespace {

const QColor Accent(255, 140, 0);
const QColor AccentDark(150, 60, 0);

QPixmap transparent(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap verticalGradient(QSize size, const QColor &top, const QColor &bottom)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

// Three bands of a flag, across (Spain) or down (Italy, France).
void drawBands(QPainter &p, QRect area, const QColor (&bands)[3], const int (&weights)[3], Qt::Orientation orientation)
{
    const int total = weights[0] + weights[1] + weights[2];
    const int length = orientation == Qt::Horizontal ? area.width() : area.height();
    int start = 0;
    for (int i = 0; i < 3; ++i) {
        const int end = (i == 2) ? length : start + length * weights[i] / total;
        const QRect band = orientation == Qt::Horizontal
                               ? QRect(area.left() + start, area.top(), end - start, area.height())
                               : QRect(area.left(), area.top() + start, area.width(), end - start);
        p.fillRect(band, bands[i]);
        start = end;
    }
}

void drawUnionFlag(QPainter &p, QRect area)
{
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    p.fillRect(area, blue);
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    const QLineF diagonals[2] = {QLineF(area.topLeft(), area.bottomRight() + QPoint(1, 1)),
                                 QLineF(area.bottomLeft() + QPoint(0, 1), area.topRight() + QPoint(1, 0))};
    for (const QLineF &line : diagonals) {
        p.setPen(QPen(Qt::white, 3.0));
        p.drawLine(line);
        p.setPen(QPen(red, 1.0));
        p.drawLine(line);
    }
    p.restore();
    const QPoint c = area.center();
    p.fillRect(QRect(area.left(), c.y() - 2, area.width(), 5), Qt::white);
    p.fillRect(QRect(c.x() - 2, area.top(), 5, area.height()), Qt::white);
    p.fillRect(QRect(area.left(), c.y() - 1, area.width(), 3), red);
    p.fillRect(QRect(c.x() - 1, area.top(), 3, area.height()), red);
}

} // namespace

QPixmap languageFlag(int language)
{
    QPixmap pixmap = transparent(QSize(16, 16));
    if (language < 1 || language > 4)
        return pixmap;
    QPainter p(&pixmap);
    const QRect area(0, 2, 16, 11);
    switch (language) {
    case 1:
        drawBands(p, area, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, {1, 1, 1}, Qt::Horizontal);
        break;
    case 2:
        drawUnionFlag(p, area);
        break;
    case 3:
        drawBands(p, area, {QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)}, {1, 1, 1}, Qt::Horizontal);
        break;
    default:
        drawBands(p, area, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, {1, 2, 1},
                  Qt::Vertical);
        break;
    }
    p.setPen(QColor(0, 0, 0, 110));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    return pixmap;
}

QPixmap serverDot(bool on)
{
    QPixmap pixmap = transparent(QSize(7, 7));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(3.0, 3.0), 3.5);
    glow.setColorAt(0.0, on ? QColor(160, 255, 120) : QColor(90, 90, 90));
    glow.setColorAt(1.0, on ? QColor(20, 150, 20) : QColor(35, 35, 35));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0.5, 0.5, 6.0, 6.0));
    return pixmap;
}

QPixmap highlightBar()
{
    return verticalGradient(QSize(130, 15), Accent, AccentDark);
}

QPixmap separator()
{
    QPixmap pixmap = transparent(QSize(130, 3));
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 130, 0);
    g.setColorAt(0.0, QColor(60, 60, 60, 0));
    g.setColorAt(0.5, QColor(140, 140, 140));
    g.setColorAt(1.0, QColor(60, 60, 60, 0));
    p.fillRect(QRect(0, 1, 130, 1), g);
    return pixmap;
}

QPixmap coverBackground(QSize size)
{
    QPixmap pixmap = verticalGradient(size, QColor(30, 30, 34), QColor(8, 8, 10));
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(255, 140, 0, 90), 2));
    const QPoint c(size.width() / 2, size.height() / 3);
    for (int r = 8; r <= 32; r += 12)
        p.drawArc(QRect(c.x() - r, c.y() - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    return pixmap;
}

QPixmap background(QSize size)
{
    return verticalGradient(size, QColor(18, 18, 22), QColor(0, 0, 0));
}

QPixmap historyArrow(bool forward)
{
    QPixmap pixmap = transparent(QSize(16, 14));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (forward) {
        path.moveTo(4, 2);
        path.lineTo(13, 7);
        path.lineTo(4, 12);
    } else {
        path.moveTo(12, 2);
        path.lineTo(3, 7);
        path.lineTo(12, 12);
    }
    path.closeSubpath();
    p.fillPath(path, Accent);
    return pixmap;
}

QIcon applicationIcon()
{
    QPixmap pixmap = transparent(QSize(32, 32));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(12, 10), 22);
    g.setColorAt(0.0, QColor(255, 190, 80));
    g.setColorAt(1.0, AccentDark);
    p.setBrush(g);
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setPen(QPen(Qt::white, 2.2));
    p.setBrush(Qt::NoBrush);
    for (int r = 5; r <= 13; r += 4)
        p.drawArc(QRectF(16 - r, 18 - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 18), 2, 2);
    return QIcon(pixmap);
}

} // namespace DesignImages
