#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ways one mirror can be told to fail.
enum class FaultMode {
    None,       // "none": serve normally
    Refused,    // the mirror's port is closed
    BadAccess,  // the access page carries another title
    BadSponsor, // the sponsor strip carries another title
    Slow,       // every answer waits a fixed delay first
    Garbage,    // the catalogue is random bytes with a SUB byte in them
    Empty,      // every page answers with an empty body
    Error500,   // every page answers HTTP 500
    DropStreams, // open streams close, new ones are refused
};

std::string_view faultModeName(FaultMode mode);
std::optional<FaultMode> parseFaultMode(std::string_view name);
std::vector<FaultMode> allFaultModes();
std::string_view faultModeHelp(FaultMode mode);
