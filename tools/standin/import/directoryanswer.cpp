#include "directoryanswer.h"

#include "stationtext.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <optional>
#include <set>

namespace {

using Json = nlohmann::json;

constexpr std::size_t MaxNameBytes = 300;
constexpr std::size_t MaxTagsBytes = 300;
constexpr std::size_t MaxCountryBytes = 100;
constexpr std::size_t MaxUuidLength = 64;

std::string textOf(const Json &entry, const char *key)
{
    const auto it = entry.find(key);
    return it != entry.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// The directory writes numbers as numbers, but older servers and mirrors
// have written some as strings; either is read, anything else is `fallback`.
long long numberOf(const Json &entry, const char *key, long long fallback)
{
    const auto it = entry.find(key);
    if (it == entry.end())
        return fallback;
    if (it->is_number_integer())
        return it->get<long long>();
    if (it->is_number_float())
        return static_cast<long long>(std::clamp(it->get<double>(), -1e12, 1e12));
    if (it->is_boolean())
        return it->get<bool>() ? 1 : 0;
    if (it->is_string()) {
        const std::string text = it->get<std::string>();
        if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos)
            return fallback;
        return std::stoll(text);
    }
    return fallback;
}

int clampedInt(long long value, int high)
{
    return static_cast<int>(std::clamp<long long>(value, 0, high));
}

// The uuid goes into addresses sent back to the directory: hex and dashes only.
std::string uuidOf(const Json &entry)
{
    std::string uuid = textOf(entry, "stationuuid");
    if (uuid.empty() || uuid.size() > MaxUuidLength
        || uuid.find_first_not_of("0123456789abcdefABCDEF-") != std::string::npos)
        return {};
    std::transform(uuid.begin(), uuid.end(), uuid.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return uuid;
}

// "2026-11-30T18:02:11Z" and the like; anything else sorts as oldest.
std::string changeTimeOf(const Json &entry)
{
    const std::string time = textOf(entry, "lastchangetime_iso8601");
    if (time.size() < 10 || time.size() > 30 || time.find_first_not_of("0123456789-T:Z+.") != std::string::npos)
        return {};
    return time;
}

std::optional<Station> stationOf(const Json &entry)
{
    if (!entry.is_object() || numberOf(entry, "lastcheckok", 0) != 1 || numberOf(entry, "hls", 0) != 0)
        return std::nullopt;
    Station s;
    s.uuid = uuidOf(entry);
    s.name = cleanText(textOf(entry, "name"), MaxNameBytes);
    s.codec = cleanText(textOf(entry, "codec"), 20);
    s.streamUrl = webAddress(textOf(entry, "url_resolved"));
    if (s.streamUrl.empty())
        s.streamUrl = webAddress(textOf(entry, "url"));
    if (s.uuid.empty() || s.name.empty() || s.streamUrl.empty() || !playableCodec(s.codec))
        return std::nullopt;
    s.label = s.name;
    s.weeklyClicks = clampedInt(numberOf(entry, "clickcount", 0), INT_MAX);
    s.added = changeTimeOf(entry);
    s.homepage = webAddress(textOf(entry, "homepage"));
    s.favicon = webAddress(textOf(entry, "favicon"));
    s.country = cleanText(textOf(entry, "country"), MaxCountryBytes);
    s.tags = cleanText(textOf(entry, "tags"), MaxTagsBytes);
    s.bitrate = clampedInt(numberOf(entry, "bitrate", 0), 100000);
    return s;
}

} // namespace

bool playableCodec(std::string_view codec)
{
    std::string upper(codec);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    static const std::set<std::string, std::less<>> playable = {"MP3", "AAC", "AAC+", "OGG", "VORBIS", "OPUS", "FLAC"};
    return playable.count(upper) > 0;
}

DirectoryAnswer readDirectoryAnswer(std::string_view body)
{
    DirectoryAnswer answer;
    const Json list = Json::parse(body.begin(), body.end(), nullptr, false);
    if (list.is_discarded()) {
        answer.error = "the answer is not JSON";
        return answer;
    }
    if (!list.is_array()) {
        answer.error = "the answer is not a list of stations";
        return answer;
    }
    std::set<std::string> seen;
    for (const Json &entry : list) {
        auto station = stationOf(entry);
        if (station && seen.insert(station->uuid).second)
            answer.stations.push_back(std::move(*station));
    }
    return answer;
}
