// A station directory's answer, read into the stations the service offers.
#include "fuzzinput.h"

#include "directoryanswer.h"
#include "stationtext.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DirectoryAnswer answer =
        readDirectoryAnswer(std::string_view(reinterpret_cast<const char *>(data), size));
    fuzzCheck(answer.error.empty() || answer.stations.empty(), "stations kept from an unreadable answer");
    std::set<std::string> uuids;
    for (const Station &s : answer.stations) {
        fuzzCheck(uuids.insert(s.uuid).second, "a uuid offered twice");
        fuzzCheck(!s.name.empty() && s.name.size() <= 300, "a name empty or too long");
        fuzzCheck(cleanText(s.name, 300) == s.name, "a name with control characters or broken UTF-8");
        fuzzCheck(webAddress(s.streamUrl) == s.streamUrl && !s.streamUrl.empty(), "a stream that is not http(s)");
        fuzzCheck(s.favicon.empty() || webAddress(s.favicon) == s.favicon, "a picture that is not http(s)");
        fuzzCheck(playableCodec(s.codec), "a codec the player lacks");
    }
    return 0;
}
