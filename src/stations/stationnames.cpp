#include "stationnames.h"

#include "catalogue.h"

QString stationNameFor(int source, const StationNameSources &s, StationNameReader reader)
{
    if (source == 0) {
        const bool named = s.startupStationId != 0
                           && (reader == StationNameReader::Notice || s.startupAutoPlayTicked);
        return named ? s.startupStationCaption : QString();
    }
    if (source >= 1 && source <= 15)
        return s.catalogue ? s.catalogue->station(Catalogue::List::MostClicked, source).Name : QString();
    if (source == 16 || source == 17)
        return s.otherRadiosText;
    if (source == 18)
        return s.pageStationName;
    if (source == 19)
        return s.personalRadioText;
    if (source == 20)
        return s.playlistStationName;
    if (source >= 21 && source <= 35)
        return s.personalNames[static_cast<std::size_t>(source - 20)];
    if (source >= 41 && source <= 55)
        return s.catalogue ? s.catalogue->station(Catalogue::List::NewStations, source - 40).Name : QString();
    return QString();
}
