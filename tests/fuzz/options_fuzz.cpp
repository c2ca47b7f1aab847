// "OpzSV.txt" through both of its readers.
#include "fuzzinput.h"

#include "settings/optionsfile.h"
#include "settings/settingslines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SettingsLines lines(fuzzBytes(data, size));
    const OptionsFile::Loaded loaded = OptionsFile::readForLoading(lines, OptionsState{});
    fuzzCheck(loaded.state.languageIndex >= 1 && loaded.state.languageIndex <= 4, "a language with texts");
    (void)OptionsFile::readForEditing(lines, OptionsState{});
    const int language = OptionsFile::languageFromFile(lines);
    fuzzCheck(language >= 1 && language <= 4, "a language with texts");
    return 0;
}
