#pragma once

#include "options/stationpick.h"

// A selection window: shows the service's selection page modally and says
// what the user picked there.
class StationSelection
{
public:
    virtual ~StationSelection() = default;
    virtual StationPick pickStation() = 0;
};
