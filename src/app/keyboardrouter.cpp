#include "keyboardrouter.h"

#include <Qt>

bool KeyboardRouter::pageHasBrowser(int page)
{
    return page == 0 || (page >= 2 && page <= 7);
}

KeyboardRouter::Action KeyboardRouter::route(int shownPage, bool browserBusy, bool isKeyEvent, int qtKey)
{
    if (!pageHasBrowser(shownPage))
        return Action::Untouched;
    if (browserBusy)
        return Action::Offered;
    const bool kept = qtKey == Qt::Key_Backspace || qtKey == Qt::Key_Left || qtKey == Qt::Key_Up
                      || qtKey == Qt::Key_Right || qtKey == Qt::Key_Down;
    if (isKeyEvent && kept)
        return Action::Offered;
    return Action::Translated;
}
