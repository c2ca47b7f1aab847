// "OpzSVR.txt": at most five numbers, and what is written reads back the same.
#include "fuzzinput.h"

#include "recording/recordersettingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<int> read = RecorderSettingsFile::parse(fuzzBytes(data, size));
    fuzzCheck(read.size() <= RecorderSettingsFile::LineCount, "five lines at most");
    if (read.size() == RecorderSettingsFile::LineCount) {
        const RecorderSettingsFile::Values values{read[0], read[1], read[2], read[3], read[4]};
        fuzzCheck(RecorderSettingsFile::parse(RecorderSettingsFile::compose(values)) == read, "OpzSVR.txt round trip");
    }
    return 0;
}
