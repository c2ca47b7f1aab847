#pragma once

#include "settings/personalstations.h"
#include "settings/startupstation.h"

// The main window's values that "OpzSV.txt" mirrors.
struct OptionsState
{
    StartupStation startupStation;
    PersonalStations personalStations {};
    bool searchAtStart = false;
    bool messenger = false;
    bool playlist = false;
    int languageIndex = 1;

    bool operator==(const OptionsState &) const = default;
};
