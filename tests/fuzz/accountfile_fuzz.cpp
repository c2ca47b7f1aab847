// "UsrSV.txt": what is read is written back and read the same.
#include "fuzzinput.h"

#include "settings/accountfile.h"
#include "settings/settingslines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const UserAccount read = AccountFile::parse(SettingsLines(fuzzBytes(data, size)));
    fuzzCheck(AccountFile::parse(SettingsLines(AccountFile::compose(read))) == read, "UsrSV.txt round trip");
    return 0;
}
