#pragma once

#include "station.h"

#include <string_view>
#include <vector>

// A person's own list of stations: an M3U file (with or without #EXTINF
// names) or a PLS file. Only http:// and https:// entries are kept, each
// keyed by its address so that it keeps its id while it stays in the file;
// an entry without a name is named after its address.
std::vector<Station> readPlaylistFile(std::string_view text);
