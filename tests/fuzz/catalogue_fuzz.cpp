// The catalogue page, captured and laid out into its two lists.
#include "fuzzinput.h"

#include "service/linerecords.h"
#include "stations/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Catalogue catalogue;
    catalogue.take(readRecords(normaliseCapture(fuzzBytes(data, size), false)));
    for (int slot = 1; slot <= Catalogue::Slots; ++slot) {
        (void)catalogue.station(Catalogue::List::MostClicked, slot).Name.size();
        (void)catalogue.station(Catalogue::List::NewStations, slot).PageUrl.size();
    }
    (void)catalogue.hasTitle();
    (void)catalogue.hasTab();
    return 0;
}
