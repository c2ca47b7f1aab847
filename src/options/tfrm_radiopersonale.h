#pragma once

#include "options/selectionwindow.h"

// Picks a personal station or the start-up station ("Cambia", "Seleziona").
// Its captions stay Italian whatever the language.
class TFrm_RadioPersonale final : public SelectionWindow
{
    Q_OBJECT
public:
    TFrm_RadioPersonale(const Setup &setup, QWidget *parent = nullptr)
        : SelectionWindow(QStringLiteral("Frm_RadioPersonale"), setup, parent)
    {
    }
};
