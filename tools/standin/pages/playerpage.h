#pragma once

#include <string>

struct Station;

// The station's player page: its name in the title "RADIO:-name", what the
// list it came from says of it, and an <audio> element on its stream.
std::string playerPage(const Station &station);

// The page of a station that has left its list: its id is still known, so a
// favourite that names it gets this page and the way to the search.
std::string departedStationPage(const Station &station);
