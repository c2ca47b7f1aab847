#include "tfrm_about.h"

#include "webimages.h"
#include "weblook.h"

#include "platform/deployment.h"
#include "platform/shell.h"
#include "stations/clickablelabel.h"

#include <QPushButton>

TFrm_About::TFrm_About(const Deployment &deployment, Shell &shell, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("Frm_About"));
    setWindowTitle(QStringLiteral("About - Sonvela by Velmora"));
    setFixedSize(400, 312);
    WebLook::applyDark(this);

    const QString site = deployment.siteAddress();
    auto *picture = new ClickableLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(10, 10, 168, 49);
    picture->setPixmap(WebImages::productPicture());
    picture->setCursor(Qt::PointingHandCursor);
    picture->setAccessibleName(site); // a picture has no caption to be read
    connect(picture, &ClickableLabel::clicked, this, [this, site] { m_shell.open(site); });
    link(site, site, QRect(10, 64, 180, 32), "Lbl_Sito");

    WebLook::caption(QStringLiteral("Autore:"), this, QRect(200, 10, 190, 16), true);
    WebLook::caption(deployment.credit, this, QRect(200, 27, 190, 32))->setObjectName(QStringLiteral("Lbl_Autore"));
    WebLook::caption(QStringLiteral("Nome applicativo:"), this, QRect(200, 62, 190, 16), true);
    m_label5 = WebLook::caption(QString(), this, QRect(200, 79, 190, 16));
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setText(QStringLiteral("Sonvela - Versione: 4.8"));

    WebLook::caption(QStringLiteral("Contatti:"), this, QRect(10, 106, 380, 16), true);
    const char *const contacts[] = {"Per commenti o suggerimenti sul software:", "Per segnalare radio non funzionanti:",
                                    "Per segnalare nuove radio:"};
    for (int row = 0; row < 3; ++row) {
        const int top = 126 + row * 20;
        WebLook::caption(QString::fromUtf8(contacts[row]), this, QRect(10, top, 270, 18));
        link(QStringLiteral("Visita il forum"), deployment.forumAddress(), QRect(290, top, 100, 18),
             row == 0 ? "Lbl_Forum1" : row == 1 ? "Lbl_Forum2" : "Lbl_Forum3");
    }

    WebLook::caption(QStringLiteral("Traduzioni:"), this, QRect(10, 192, 380, 16), true);
    WebLook::caption(deployment.translators.join(QLatin1Char('\n')), this, QRect(10, 210, 380, 56))
        ->setObjectName(QStringLiteral("Lbl_Traduzioni"));

    auto *close = new QPushButton(QStringLiteral("Esci"), this);
    close->setObjectName(QStringLiteral("Btn_Esci"));
    close->setGeometry(160, 274, 80, 28);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel *TFrm_About::link(const QString &caption, const QString &address, QRect geometry, const char *name)
{
    auto *label = new ClickableLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setText(caption);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #7cc4ff; text-decoration: underline;"));
    connect(label, &ClickableLabel::clicked, this, [this, address] { m_shell.open(address); });
    return label;
}
