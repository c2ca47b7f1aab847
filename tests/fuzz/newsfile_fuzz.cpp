// "NewsSV.txt": what is read is written back and read the same.
#include "fuzzinput.h"

#include "settings/newsfile.h"
#include "settings/settingslines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const NewsChoice read = NewsFile::parse(SettingsLines(fuzzBytes(data, size)));
    fuzzCheck(NewsFile::parse(SettingsLines(NewsFile::compose(read))) == read, "NewsSV.txt round trip");
    const int category = read.categoryNumber();
    fuzzCheck(category >= 0 && category <= 15, "a category of the news page");
    return 0;
}
