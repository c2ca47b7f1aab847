#pragma once

#include "settings/personalstations.h"

// The favourite slot (1..15) that Next (step +1) or Previous (step -1) plays
// after `currentSlot`: slots in order, round the end, empty slots skipped.
// From a station that is no favourite (currentSlot 0) Next starts at the
// first favourite and Previous at the last. 0 when there is no favourite.
int favouriteStep(const PersonalStations &favourites, int currentSlot, int step);

// The favourite slot a StationSource plays, or 0 for any other station.
int favouriteSlotOf(int stationSource);
