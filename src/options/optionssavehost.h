#pragma once

#include "settings/uploadentries.h"

// The main window's side of saving the options: everything the save changes
// outside the options window.
class OptionsSaveHost
{
public:
    virtual ~OptionsSaveHost() = default;

    virtual void applyLanguage(int language) = 0;
    // Shows or hides the web search window at once.
    virtual void showSearchWindow(bool shown) = 0;
    virtual void sendNowPlaying(bool playing, bool force) = 0;
    // TimerRadio on or off.
    virtual void setPlaylistTimer(bool enabled) = 0;
    // A fresh upload; it leaves only while a user id is stored.
    virtual void startUpload(const UploadEntries &entries) = 0;
    // The favourites panel and its tray submenu from the personal stations.
    virtual void refreshFavourites() = 0;
};
