#pragma once

#include "settings/useraccount.h"

#include <QString>

// What the account window needs from the main window.
class AccountHost
{
public:
    virtual ~AccountHost() = default;

    virtual QString serverBase() const = 0;
    virtual QString settingsFolder() const = 0;
    virtual UserAccount account() const = 0;
    virtual void setAccount(const UserAccount &account) = 0;
    // Clears the preference latch and loads the new user's preferences.
    virtual void requestPreferences() = 0;
};
