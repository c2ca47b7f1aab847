#pragma once

#include <QDialog>

class QPushButton;

// Picks a playlist station from the service's selection page.
class TFrm_RadioProgrammata final : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_RadioProgrammata(QWidget *parent = nullptr);

    QPushButton *BitBtn1; // "Esci senza salvare"
    QPushButton *BitBtn2; // "Salva ed esci"
};
