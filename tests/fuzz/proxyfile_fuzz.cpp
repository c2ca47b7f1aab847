// "PrxSV.txt": what is read is written back and read the same.
#include "fuzzinput.h"

#include "settings/proxyfile.h"
#include "settings/settingslines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ProxySettings read = ProxyFile::parse(SettingsLines(fuzzBytes(data, size)));
    fuzzCheck(ProxyFile::parse(SettingsLines(ProxyFile::compose(read))) == read, "PrxSV.txt round trip");
    (void)ProxyFile::needsApplying(read);
    return 0;
}
