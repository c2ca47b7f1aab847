#pragma once

#include "station.h"

#include <string>
#include <string_view>
#include <vector>

// One answer of the station directory: a JSON list of stations as its API
// documents them. Entries the web engine cannot play (last check failed,
// HLS, a codec it lacks, no http(s) stream) are left out, and so is every
// entry without a usable uuid or name; texts are cleaned, a uuid given twice
// counts once. `error` is set, and no station kept, when the answer is not
// such a list at all.
struct DirectoryAnswer
{
    std::vector<Station> stations;
    std::string error;
};

DirectoryAnswer readDirectoryAnswer(std::string_view body);

// The codecs the client's web engine plays, as the directory names them.
bool playableCodec(std::string_view codec);
