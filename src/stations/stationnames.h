#pragma once

#include <QString>

#include <array>

struct Catalogue;

// What the player shows, as the hints and the now-playing notice name it.
// The two readers differ in one code: the start-up station (0) is named in
// the hints only while its auto-play box is ticked. A station page that named
// itself (18) is named in both, so the tray never goes blank while it plays.
struct StationNameSources
{
    const Catalogue *catalogue = nullptr;
    std::array<QString, 16> personalNames; // slots 1..15
    int startupStationId = 0;
    QString startupStationCaption; // the options window's Lbl_NomeRadio
    bool startupAutoPlayTicked = false;
    QString pageStationName;
    QString playlistStationName;
    QString otherRadiosText;   // interface text 61
    QString personalRadioText; // interface text 62
};

enum class StationNameReader { Hints, Notice };

QString stationNameFor(int stationSource, const StationNameSources &sources, StationNameReader reader);
