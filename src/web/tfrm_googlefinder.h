#pragma once

#include <QWidget>

// The web search strip; its page comes with the search strip.
class TFrm_GoogleFinder final : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_GoogleFinder(QWidget *parent = nullptr);
};
