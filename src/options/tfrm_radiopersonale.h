#pragma once

#include <QDialog>

// Picks a personal station from the service's selection page.
class TFrm_RadioPersonale final : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_RadioPersonale(QWidget *parent = nullptr);
};
