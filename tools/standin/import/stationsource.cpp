#include "stationsource.h"

std::optional<StationSource> parseStationSource(std::string_view text)
{
    using Kind = StationSource::Kind;
    if (text == "seed")
        return StationSource{Kind::Seed, {}};
    if (text == "directory")
        return StationSource{Kind::Directory, {}};
    if (text.rfind("directory=", 0) == 0) {
        const std::string_view url = text.substr(10);
        if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0)
            return std::nullopt;
        return StationSource{Kind::Directory, std::string(url)};
    }
    if ((text.rfind("m3u=", 0) == 0 || text.rfind("m3u:", 0) == 0) && text.size() > 4)
        return StationSource{Kind::Playlist, std::string(text.substr(4))};
    return std::nullopt;
}

std::string countryOfLocale(std::string_view locale)
{
    const std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos || underscore + 3 > locale.size())
        return {};
    std::string country(locale.substr(underscore + 1, 2));
    for (const char c : country)
        if (c < 'A' || c > 'Z')
            return {};
    return country;
}
