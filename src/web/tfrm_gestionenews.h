#pragma once

#include <QDialog>

// The news and weather choice; its controls come with the news ticker.
class TFrm_GestioneNews final : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_GestioneNews(QWidget *parent = nullptr);
};
