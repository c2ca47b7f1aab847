#pragma once

#include <QObject>

#include <functional>

class Browser;

// Applies the keyboard router's decision to key events inside the shown
// page's browser: browser accelerators (history steps, reload) are stopped
// whenever the router says the event is only offered to the page.
class KeyboardRouterFilter final : public QObject
{
    Q_OBJECT
public:
    // The page index shown in the listening area and its browser (or null).
    using ShownPage = std::function<int()>;
    using BrowserOfPage = std::function<Browser *(int page)>;

    KeyboardRouterFilter(ShownPage shownPage, BrowserOfPage browserOfPage, QObject *parent = nullptr);

    static bool isBrowserAccelerator(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ShownPage m_shownPage;
    BrowserOfPage m_browserOfPage;
};
