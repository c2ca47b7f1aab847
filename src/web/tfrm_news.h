#pragma once

#include <QWidget>

// The news ticker: borderless and above other windows, hidden until news is chosen.
class TFrm_News final : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_News(QWidget *parent = nullptr);
};
