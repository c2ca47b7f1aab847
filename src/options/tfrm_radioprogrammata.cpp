#include "tfrm_radioprogrammata.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFrm_RadioProgrammata::TFrm_RadioProgrammata(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_RadioProgrammata"));
    setWindowTitle(QStringLiteral("Selezione radio personale"));
    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("Esci senza salvare"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("Salva ed esci"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}
