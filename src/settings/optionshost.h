#pragma once

// The main window's side of load options: playing and showing what the
// options file holds.
class OptionsHost
{
public:
    virtual ~OptionsHost() = default;

    virtual void setStationSource(int source) = 0;
    virtual void playStationById(int id, int source) = 0;
    // The favourites panel and its tray submenu from the personal stations.
    virtual void refreshFavourites() = 0;
    virtual void applyLanguage(int language) = 0;
};
