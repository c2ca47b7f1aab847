#pragma once

// Decides what happens to a key event while a page of the listening area is
// shown. Browser accelerators (history steps, reload, …) apply only on pages
// that hold a browser, only while that browser is idle, and never for
// Backspace and the arrow keys, which belong to the page's own fields.
class KeyboardRouter
{
public:
    enum class Action {
        Untouched, // no browser on this page: the event goes its normal way
        Offered,   // the page gets the event, but no accelerator runs
        Translated // the page gets the event and the browser's accelerators run
    };

    // Page index of Pnl_Ascolta that shows a browser, or false.
    static bool pageHasBrowser(int page);
    static Action route(int shownPage, bool browserBusy, bool isKeyEvent, int qtKey);
};
