#pragma once

#include "dialogs.h"

class QString;
class QWidget;

// Dialogs through QMessageBox and QInputDialog, parented to a window.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &text) override;
    void error(const QString &text) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override;
    // Wide enough to show the whole caption in the title bar and the prompt.
    static int inputBoxWidth(const QWidget &box, const QString &caption, const QString &prompt);

private:
    QWidget *m_parent;
};
