#pragma once

#include <QString>

// What the preference sync needs from the main window, which holds the
// mirror, the user and the folders.
class SettingsHost
{
public:
    virtual ~SettingsHost() = default;

    virtual QString serverBase() const = 0;
    // Empty when no user is logged in.
    virtual QString userId() const = 0;
    // Both end in "/".
    virtual QString settingsFolder() const = 0;
    virtual QString tempFolder() const = 0;
    // Reads "OpzSV.txt" into the main window (OptionsLoader::loadOptions).
    virtual void loadOptions() = 0;
};
