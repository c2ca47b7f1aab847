#pragma once

#include <QObject>

class QTabWidget;

// Tells apart the page changes a person makes (a click, a key or the wheel
// on the tabs) from those made in code: only the first run the page-change
// handling, as playing a station switches to the first page without it.
class UserPageChange final : public QObject
{
    Q_OBJECT
public:
    explicit UserPageChange(QTabWidget *tabs);

Q_SIGNALS:
    void changed(int page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_userInput = false;
};
