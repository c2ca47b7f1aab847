#pragma once

#include "faulttable.h"
#include "standinconfig.h"
#include "stationbroadcasts.h"

#include <atomic>
#include <string>

class Database;
class StationImporter;

// What every page handler shares: the data, the settings, the faults and the
// few counters that live across requests.
struct ServiceContext
{
    Database &database;
    const StandinConfig &config;
    FaultTable &faults;
    std::atomic<int> activeStreams{0};
    // Shared by every mirror: a station is encoded once for all its listeners.
    StationBroadcasts broadcasts;
    // The minute in which the slow station last answered "caricamento".
    std::atomic<long long> slowStationMinute{-1};
    // Keeps the stations in step with their source; null for the seed stations alone.
    StationImporter *importer = nullptr;

    std::string siteAddress(int port) const { return "http://" + config.host + ":" + std::to_string(port); }
};
