#include "tfrm_gestionenews.h"

TFrm_GestioneNews::TFrm_GestioneNews(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_GestioneNews"));
    setWindowTitle(QStringLiteral("Gestione news"));

}
