#pragma once

#include "settings/personalstations.h"
#include "settings/startupstation.h"

// The 53 values of "OpzSV.txt" as the options window saves them.
struct OptionsRecord
{
    bool autorun = false;
    bool autoPlay = false;
    StartupStation startupStation;
    PersonalStations personalStations {};
    bool searchAtStart = true;
    bool messenger = true;
    bool playlist = false;
    int languageIndex = 1;
};
