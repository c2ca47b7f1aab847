#pragma once

#include <QObject>

// Swallows right-button presses and releases inside embedded web pages, so a
// page never opens its own context menu; right-clicks elsewhere pass.
class RightClickFilter final : public QObject
{
    Q_OBJECT
public:
    explicit RightClickFilter(QObject *parent = nullptr) : QObject(parent) {}

    static bool isInsideWebPage(const QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
