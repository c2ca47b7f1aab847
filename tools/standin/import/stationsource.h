#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the service's stations come from.
struct StationSource
{
    enum class Kind { Seed, Directory, Playlist };
    Kind kind = Kind::Seed;
    // The directory's server ("http://127.0.0.1:PORT", empty for the real
    // directory's own servers), or the playlist file.
    std::string location;
};

// "seed", "directory", "directory=URL", "m3u=FILE" (also "m3u:FILE").
std::optional<StationSource> parseStationSource(std::string_view text);

// "IT" for a locale such as "it_IT.UTF-8"; empty for "C", "POSIX" and the like.
std::string countryOfLocale(std::string_view locale);
