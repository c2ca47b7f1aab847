#pragma once

#include "cataloguestation.h"

#include <QByteArray>

#include <array>
#include <vector>

// The service's station catalogue: the most-clicked and the new stations,
// fifteen slots each (1..15), and three single values.
struct Catalogue
{
    static constexpr int Slots = 15;
    static constexpr int RecordCount = 124;

    enum class List { MostClicked, NewStations };

    std::array<CatalogueStation, Slots + 1> MostClicked; // slot 0 unused
    std::array<CatalogueStation, Slots + 1> NewStations; // slot 0 unused
    QString CatalogueTitle;
    QString CatalogueTabCaption;
    QString CatalogueTabUrl;

    void clear();
    // Stores records 1..124 by number; later records are ignored, missing
    // ones leave their values empty. Records are taken whole, untrimmed.
    void take(const std::vector<QByteArray> &records);

    const CatalogueStation &station(List list, int slot) const;
    // Single values of two characters or fewer count as absent.
    bool hasTitle() const { return CatalogueTitle.size() > 2; }
    bool hasTab() const { return CatalogueTabCaption.size() > 2 && CatalogueTabUrl.size() > 2; }
};
