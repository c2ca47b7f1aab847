#pragma once

#include "options/selectionwindow.h"

// Picks a playlist station; apply language rewrites its caption and buttons.
class TFrm_RadioProgrammata final : public SelectionWindow
{
    Q_OBJECT
public:
    TFrm_RadioProgrammata(const Setup &setup, QWidget *parent = nullptr)
        : SelectionWindow(QStringLiteral("Frm_RadioProgrammata"), setup, parent)
    {
    }
};
