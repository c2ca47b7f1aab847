// The preference answer: a captured page that becomes "OpzSV.txt".
#include "fuzzinput.h"

#include "service/linerecords.h"
#include "settings/optionsfile.h"
#include "settings/settingslines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SettingsLines lines(normaliseCapture(fuzzBytes(data, size), true));
    (void)OptionsFile::readForLoading(lines, OptionsState{});
    return 0;
}
