#include "tfrm_googlefinder.h"

TFrm_GoogleFinder::TFrm_GoogleFinder(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_GoogleFinder"));
    setWindowTitle(QStringLiteral("Ricerca con Google"));
    setWindowFlag(Qt::Tool);
}
