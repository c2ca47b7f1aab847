#pragma once

#include <QString>

// The main window's side of the playlist timer.
class PlaylistHost
{
public:
    virtual ~PlaylistHost() = default;

    // The name the hints and the messenger notice give the playlist station.
    virtual void setPlaylistStationName(const QString &name) = 0;
    // Id 0 plays nothing.
    virtual void playStationById(int id, int source) = 0;
};
