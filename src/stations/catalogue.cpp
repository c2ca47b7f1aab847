#include "catalogue.h"

#include "platform/pagetext.h"

namespace {

void setField(CatalogueStation &station, int field, const QString &value)
{
    switch (field) {
    case 0:
        station.PageUrl = value;
        break;
    case 1:
        station.Name = value;
        break;
    case 2:
        station.LabelText = value;
        break;
    default:
        break; // the fourth value of a station is read past
    }
}

} // namespace

void Catalogue::clear()
{
    *this = Catalogue();
}

void Catalogue::take(const std::vector<QByteArray> &records)
{
    const int count = std::min<int>(RecordCount, static_cast<int>(records.size()));
    for (int r = 1; r <= count; ++r) {
        const QString value = decodePageText(records[static_cast<std::size_t>(r - 1)]);
        if (r <= 60)
            setField(MostClicked[static_cast<std::size_t>(15 - (r - 1) / 4)], (r - 1) % 4, value);
        else if (r <= 120)
            setField(NewStations[static_cast<std::size_t>((r - 61) / 4 + 1)], (r - 1) % 4, value);
        else if (r == 121)
            CatalogueTitle = value;
        else if (r == 123)
            CatalogueTabCaption = value;
        else if (r == 124)
            CatalogueTabUrl = value;
    }
}

const CatalogueStation &Catalogue::station(List list, int slot) const
{
    static const CatalogueStation none;
    if (slot < 1 || slot > Slots)
        return none;
    return list == List::MostClicked ? MostClicked[static_cast<std::size_t>(slot)]
                                     : NewStations[static_cast<std::size_t>(slot)];
}
