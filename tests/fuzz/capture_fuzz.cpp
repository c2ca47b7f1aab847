// Page capture: the normaliser of captured pages and the record reader.
#include "fuzzinput.h"

#include "service/linerecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray page = fuzzBytes(data, size);
    for (const bool skipHeader : {false, true}) {
        const QByteArray normalised = normaliseCapture(page, skipHeader);
        // Markers only shrink; a lone CR line end becomes CR LF at most.
        fuzzCheck(normalised.size() <= 2 * page.size() + 2, "the normaliser grows a page by at most its line ends");
        qsizetype total = 0;
        for (const QByteArray &record : readRecords(normalised))
            total += record.size();
        fuzzCheck(total <= normalised.size(), "records hold no byte twice");
    }
    return 0;
}
