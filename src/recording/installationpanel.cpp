#include "installationpanel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// A microphone, the picture beside the texts.
QPixmap microphone(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), size / 16.0));
    p.setBrush(QColor(0xff, 0x8c, 0x00));
    p.drawRoundedRect(QRectF(size * 0.35, size * 0.08, size * 0.3, size * 0.5), size * 0.15, size * 0.15);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(size * 0.22, size * 0.25, size * 0.56, size * 0.45), 180 * 16, 180 * 16);
    p.drawLine(QPointF(size * 0.5, size * 0.7), QPointF(size * 0.5, size * 0.88));
    p.drawLine(QPointF(size * 0.32, size * 0.9), QPointF(size * 0.68, size * 0.9));
    return pixmap;
}

} // namespace

InstallationPanel::InstallationPanel(const QString &installerLink, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Pnl_InizializzaRecording"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#Pnl_InizializzaRecording { background: #101010; }"
                                 "QLabel { color: #e8e8e8; font-size: 13px; }"));

    auto *lead = new QLabel(QStringLiteral("Per utilizzare la funzione di registrazione, è necessario installare il "
                                           "componente gratuito presente al seguente link:"),
                            this);
    lead->setObjectName(QStringLiteral("Lbl_Installa1"));
    lead->setWordWrap(true);
    lead->setGeometry(110, 60, 420, 44);
    auto *link = new QLabel(installerLink, this);
    link->setObjectName(QStringLiteral("Lbl_Installa2"));
    // The design's dark blue would vanish on the dark page: a light blue reads.
    link->setStyleSheet(QStringLiteral("color: #6cb4ff; text-decoration: underline;"));
    link->setGeometry(110, 114, 420, 20);
    auto *hint = new QLabel(QStringLiteral("Per una corretta installazione, rispondere ESEGUI quando richiesto"), this);
    hint->setObjectName(QStringLiteral("Lbl_Installa3"));
    hint->setWordWrap(true);
    hint->setGeometry(110, 146, 420, 40);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Img_Installa1"));
    picture->setPixmap(microphone(72));
    picture->setGeometry(20, 60, 72, 72);
    auto *download = new QLabel(this);
    download->setObjectName(QStringLiteral("Img_Installa2"));
    download->setText(QStringLiteral("⬇"));
    download->setStyleSheet(QStringLiteral("color: #ff8c00; font-size: 40px;"));
    download->setGeometry(36, 140, 48, 56);
    // Only the texts and the pictures answer a click, as in the design.
    for (QLabel *child : {lead, link, hint, picture, download}) {
        child->setCursor(Qt::PointingHandCursor);
        child->installEventFilter(this);
    }
}

bool InstallationPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Q_EMIT clicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
