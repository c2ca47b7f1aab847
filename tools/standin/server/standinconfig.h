#pragma once

#include "faultmode.h"
#include "stationsource.h"

#include <array>
#include <cstdint>
#include <string>

// Everything the stand-in can be told at start.
struct StandinConfig
{
    static constexpr int defaultBasePort = 18081;
    static constexpr int portSpan = 13; // mirrors at +0..+5, sites at +9..+12

    std::string host = "127.0.0.1";
    int basePort = defaultBasePort;
    std::string databasePath; // empty: a fresh database in memory
    std::string logPath;      // empty: no request log
    std::uintmax_t logMaxBytes = 16u * 1024 * 1024;
    std::string siteName = "Sonvela";
    int slowMs = 3000;
    std::array<FaultMode, 6> faults{};
    StationSource stations;       // seed unless told otherwise
    std::string countryCode;      // the directory's stations of this country are imported too
    int refreshMinutes = 6 * 60;  // between two imports
    int directoryReadSeconds = 15; // a directory server silent this long has failed

    int mirrorPort(int mirror) const { return basePort + mirror - 1; }
    int productPort() const { return basePort + 9; }
    int makerPort() const { return basePort + 10; }
    int partnerPort(int partner) const { return basePort + 10 + partner; }
};
