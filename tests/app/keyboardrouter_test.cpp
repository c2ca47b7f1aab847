#include "app/keyboardrouter.h"

#include <Qt>

#include <gtest/gtest.h>

namespace {

using Action = KeyboardRouter::Action;

TEST(KeyboardRouter, PagesWithoutBrowserAreUntouched)
{
    for (int page : {1, 8, 9, -1})
        EXPECT_EQ(KeyboardRouter::route(page, false, true, Qt::Key_A), Action::Untouched) << page;
    for (int page : {0, 2, 3, 4, 5, 6, 7})
        EXPECT_NE(KeyboardRouter::route(page, false, true, Qt::Key_A), Action::Untouched) << page;
}

TEST(KeyboardRouter, BackspaceAndArrowsAreNeverTranslated)
{
    for (int key : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
        EXPECT_EQ(KeyboardRouter::route(0, false, true, key), Action::Offered) << key;
    for (int key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_F5, Qt::Key_Home, Qt::Key_Delete})
        EXPECT_EQ(KeyboardRouter::route(0, false, true, key), Action::Translated) << key;
}

TEST(KeyboardRouter, NothingIsTranslatedWhileTheBrowserIsBusy)
{
    EXPECT_EQ(KeyboardRouter::route(0, true, true, Qt::Key_F5), Action::Offered);
    EXPECT_EQ(KeyboardRouter::route(3, true, false, 0), Action::Offered);
}

TEST(KeyboardRouter, OtherEventsAreTranslatedWhenIdle)
{
    // The key check applies to key events only.
    EXPECT_EQ(KeyboardRouter::route(2, false, false, Qt::Key_Backspace), Action::Translated);
}

} // namespace
