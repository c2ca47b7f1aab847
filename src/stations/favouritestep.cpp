#include "favouritestep.h"

#include <tuple>

namespace {

constexpr int SlotCount = static_cast<int>(std::tuple_size_v<PersonalStations>);
// StationSource of favourites slot n is FavouriteSourceBase + n.
constexpr int FavouriteSourceBase = 20;

} // namespace

int favouriteStep(const PersonalStations &favourites, int currentSlot, int step)
{
    // From nowhere, stepping forward lands on slot 1 first; backward on slot 15.
    int slot = currentSlot >= 1 && currentSlot <= SlotCount ? currentSlot : (step > 0 ? 0 : SlotCount + 1);
    for (int tried = 0; tried < SlotCount; ++tried) {
        slot = ((slot - 1 + step) % SlotCount + SlotCount) % SlotCount + 1;
        if (favourites[static_cast<std::size_t>(slot - 1)].id != 0)
            return slot;
    }
    return 0;
}

int favouriteSlotOf(int stationSource)
{
    const int slot = stationSource - FavouriteSourceBase;
    return slot >= 1 && slot <= SlotCount ? slot : 0;
}
