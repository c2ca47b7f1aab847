// A person's M3U or PLS list of stations.
#include "fuzzinput.h"

#include "playlistfile.h"
#include "stationtext.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<Station> stations =
        readPlaylistFile(std::string_view(reinterpret_cast<const char *>(data), size));
    std::set<std::string> keys;
    for (const Station &s : stations) {
        fuzzCheck(keys.insert(s.uuid).second, "an entry offered twice");
        fuzzCheck(!s.name.empty() && cleanText(s.name, 300) == s.name, "a name empty or unclean");
        fuzzCheck(!s.streamUrl.empty() && webAddress(s.streamUrl) == s.streamUrl, "a stream that is not http(s)");
    }
    return 0;
}
