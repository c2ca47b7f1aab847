#pragma once

#include <QString>

// One entry of the playlist grids: "Ora" and "Emittente" are shown, the rest
// lives in the hidden grid. The station id stays the text the grid holds.
struct PlaylistRow
{
    QString time;
    QString key;
    QString stationId;
    QString stationName;
    QString stationLabel;

    bool operator==(const PlaylistRow &) const = default;
};
