#include "tfrm_radiopersonale.h"

TFrm_RadioPersonale::TFrm_RadioPersonale(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_RadioPersonale"));
    setWindowTitle(QStringLiteral("Selezione radio personale"));

}
