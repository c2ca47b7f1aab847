#include "settings/personalstations.h"

PersonalStations compacted(const PersonalStations &stations)
{
    PersonalStations result {};
    std::size_t next = 0;
    for (const PersonalStation &station : stations) {
        if (station.id != 0)
            result[next++] = station;
    }
    return result;
}
