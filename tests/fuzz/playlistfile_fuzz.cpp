// "Progrvlm.txt": the rows read never number fewer than one.
#include "fuzzinput.h"

#include "settings/playlistfile.h"
#include "settings/settingslines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<PlaylistRow> rows = PlaylistFile::parse(SettingsLines(fuzzBytes(data, size)));
    fuzzCheck(!rows.empty(), "the grid keeps a row");
    (void)PlaylistFile::compose(rows);
    return 0;
}
