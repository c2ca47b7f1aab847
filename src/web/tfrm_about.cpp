#include "tfrm_about.h"

#include "platform/deployment.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TFrm_About::TFrm_About(const Deployment &deployment, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_About"));
    setWindowTitle(QStringLiteral("About - Sonvela by Velmora"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(QStringLiteral("<h2>Sonvela</h2><p>Versione 4.8</p><p>by Velmora &mdash; %1</p>")
                                .arg(deployment.makerDomain.toHtmlEscaped()),
                            this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
