#pragma once

#include "screenedges.h"

#include <QWidget>

#include <functional>

class Browser;
class BrowserFactory;
class ClickableLabel;
class PrimaryScreenArea;

// The web search strip at the bottom-right corner: without title bar, above
// other windows and without a taskbar entry. The handle slides it fully on
// screen or back to a sliver; each click loads the search page again.
class TFrm_GoogleFinder final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 392;
    static constexpr int Height = 40;

    // `searchAtStart` is the main window's in-memory flag, read on each click.
    TFrm_GoogleFinder(BrowserFactory &browsers, std::function<QString()> serverBase, const bool &searchAtStart,
                      QWidget *parent = nullptr);

    // Loads the page, docks the strip collapsed and shows it if the flag says so.
    void FormCreate();
    void Image1Click();
    // The options save shows or hides the strip; the flag stays as it is.
    void showFromOptions(bool shown);

    Browser &browser() { return *m_browser; }
    ClickableLabel *Image1() const { return m_handle; }
    bool collapsed() const { return m_collapsed; }

Q_SIGNALS:
    // A page of the strip asked for a window of its own: a search result.
    void stationPageRequested(const QString &address);
    // The options save showed or hid the strip.
    void shownChanged();

private:
    void loadSearchPage();
    void followScreen();
    void place();

    Browser *m_browser = nullptr;
    ClickableLabel *m_handle = nullptr;
    std::function<QString()> m_serverBase;
    const bool &m_searchAtStart;
    PrimaryScreenArea *m_screen = nullptr;
    bool m_collapsed = true;
};
