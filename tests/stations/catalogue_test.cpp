#include "stations/catalogue.h"

#include "service/linerecords.h"

#include <gtest/gtest.h>

namespace {

// A catalogue page as the service sends it: record r holds "r<r>", except
// the station names, which say list and slot.
QByteArray cataloguePage(int records)
{
    QByteArray page;
    for (int r = 1; r <= records; ++r) {
        QByteArray value = "r" + QByteArray::number(r);
        if (r <= 60 && (r - 1) % 4 == 1)
            value = "most" + QByteArray::number(15 - (r - 1) / 4);
        else if (r > 60 && r <= 120 && (r - 1) % 4 == 1)
            value = "new" + QByteArray::number((r - 61) / 4 + 1);
        page += value + "<BR>";
    }
    return page;
}

Catalogue read(const QByteArray &page)
{
    Catalogue c;
    c.take(readRecords(normaliseCapture(page, false)));
    return c;
}

TEST(Catalogue, RecordsGoToTheirSlots)
{
    const Catalogue c = read(cataloguePage(124));
    for (int s = 1; s <= 15; ++s) {
        EXPECT_EQ(c.MostClicked[s].Name, QStringLiteral("most%1").arg(s));
        EXPECT_EQ(c.NewStations[s].Name, QStringLiteral("new%1").arg(s));
    }
    // Slot 15 of the most-clicked comes first; slot 1 of the new stations.
    EXPECT_EQ(c.MostClicked[15].PageUrl, QStringLiteral("r1"));
    EXPECT_EQ(c.MostClicked[15].LabelText, QStringLiteral("r3"));
    EXPECT_EQ(c.MostClicked[1].PageUrl, QStringLiteral("r57"));
    EXPECT_EQ(c.NewStations[1].PageUrl, QStringLiteral("r61"));
    EXPECT_EQ(c.NewStations[15].LabelText, QStringLiteral("r119"));
    EXPECT_EQ(c.CatalogueTitle, QStringLiteral("r121"));
    EXPECT_EQ(c.CatalogueTabCaption, QStringLiteral("r123"));
    EXPECT_EQ(c.CatalogueTabUrl, QStringLiteral("r124"));
}

TEST(Catalogue, ExtraRecordsAreIgnoredAndMissingOnesLeftEmpty)
{
    const Catalogue longer = read(cataloguePage(130));
    EXPECT_EQ(longer.CatalogueTabUrl, QStringLiteral("r124"));

    const Catalogue shorter = read(cataloguePage(62));
    EXPECT_EQ(shorter.MostClicked[1].Name, QStringLiteral("most1"));
    EXPECT_EQ(shorter.NewStations[1].PageUrl, QStringLiteral("r61"));
    EXPECT_EQ(shorter.NewStations[1].Name, QStringLiteral("new1"));
    EXPECT_TRUE(shorter.NewStations[1].LabelText.isEmpty());
    EXPECT_TRUE(shorter.NewStations[2].isEmpty());
    EXPECT_TRUE(shorter.CatalogueTitle.isEmpty());
}

TEST(Catalogue, RecordsAreTakenWholeAndUndecoded)
{
    const Catalogue c = read(" http://x/a b <BR> Rock &amp; Roll <BR>label\xe8<BR>");
    EXPECT_EQ(c.MostClicked[15].PageUrl, QStringLiteral(" http://x/a b "));
    EXPECT_EQ(c.MostClicked[15].Name, QStringLiteral(" Rock &amp; Roll "));
    EXPECT_EQ(c.MostClicked[15].LabelText, QStringLiteral("label\u00e8"));
}

TEST(Catalogue, GarbageAndEmptyAnswersNeverCrash)
{
    EXPECT_TRUE(read("").MostClicked[15].isEmpty());
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131) % 256);
    const Catalogue c = read(garbage);
    EXPECT_LE(c.MostClicked[15].Name.size(), garbage.size());
}

TEST(Catalogue, SingleValuesOfTwoCharactersCountAsAbsent)
{
    Catalogue c;
    c.CatalogueTitle = QStringLiteral("ab");
    EXPECT_FALSE(c.hasTitle());
    c.CatalogueTitle = QStringLiteral("abc");
    EXPECT_TRUE(c.hasTitle());
    c.CatalogueTabCaption = QStringLiteral("Tab");
    c.CatalogueTabUrl = QStringLiteral("ur");
    EXPECT_FALSE(c.hasTab());
    c.CatalogueTabUrl = QStringLiteral("url");
    EXPECT_TRUE(c.hasTab());
}

TEST(Catalogue, ClearEmptiesEverything)
{
    Catalogue c = read(cataloguePage(124));
    c.clear();
    EXPECT_TRUE(c.MostClicked[15].isEmpty());
    EXPECT_TRUE(c.NewStations[1].PageUrl.isEmpty());
    EXPECT_TRUE(c.CatalogueTabUrl.isEmpty());
}

TEST(Catalogue, OutOfRangeSlotIsEmpty)
{
    const Catalogue c = read(cataloguePage(124));
    EXPECT_TRUE(c.station(Catalogue::List::MostClicked, 0).isEmpty());
    EXPECT_TRUE(c.station(Catalogue::List::NewStations, 16).isEmpty());
    EXPECT_EQ(c.station(Catalogue::List::NewStations, 7).Name, QStringLiteral("new7"));
}

} // namespace
