#include "stations/stationnames.h"

#include "stations/catalogue.h"

#include <gtest/gtest.h>

namespace {

class StationNamesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int s = 1; s <= 15; ++s) {
            catalogue.MostClicked[s].Name = QStringLiteral("most%1").arg(s);
            catalogue.NewStations[s].Name = QStringLiteral("new%1").arg(s);
            sources.personalNames[s] = QStringLiteral("fav%1").arg(s);
        }
        sources.catalogue = &catalogue;
        sources.startupStationId = 12;
        sources.startupStationCaption = QStringLiteral("Startup FM");
        sources.pageStationName = QStringLiteral("Page FM");
        sources.playlistStationName = QStringLiteral("Playlist FM");
        sources.otherRadiosText = QStringLiteral("Altre Radio");
        sources.personalRadioText = QStringLiteral("Radio personale");
    }
    QString hints(int code) const { return stationNameFor(code, sources, StationNameReader::Hints); }
    QString notice(int code) const { return stationNameFor(code, sources, StationNameReader::Notice); }

    Catalogue catalogue;
    StationNameSources sources;
};

TEST_F(StationNamesTest, CodesNameTheirStations)
{
    EXPECT_EQ(hints(1), QStringLiteral("most1"));
    EXPECT_EQ(hints(15), QStringLiteral("most15"));
    EXPECT_EQ(hints(16), QStringLiteral("Altre Radio"));
    EXPECT_EQ(hints(17), QStringLiteral("Altre Radio"));
    EXPECT_EQ(hints(19), QStringLiteral("Radio personale"));
    EXPECT_EQ(hints(20), QStringLiteral("Playlist FM"));
    EXPECT_EQ(hints(21), QStringLiteral("fav1"));
    EXPECT_EQ(hints(23), QStringLiteral("fav3"));
    EXPECT_EQ(hints(35), QStringLiteral("fav15"));
    EXPECT_EQ(hints(41), QStringLiteral("new1"));
    EXPECT_EQ(hints(47), QStringLiteral("new7"));
    EXPECT_EQ(hints(55), QStringLiteral("new15"));
}

TEST_F(StationNamesTest, CodesBetweenTheRangesNameNothing)
{
    for (int code : {-1, 36, 40, 56, 1000})
        EXPECT_TRUE(notice(code).isEmpty()) << code;
}

TEST_F(StationNamesTest, SelfNamedPageIsNamedInHintsAndNotice)
{
    EXPECT_EQ(hints(18), QStringLiteral("Page FM"));
    EXPECT_EQ(notice(18), QStringLiteral("Page FM"));
}

TEST_F(StationNamesTest, StartupStationInHintsNeedsTheTickedBox)
{
    EXPECT_TRUE(hints(0).isEmpty());
    EXPECT_EQ(notice(0), QStringLiteral("Startup FM"));
    sources.startupAutoPlayTicked = true;
    EXPECT_EQ(hints(0), QStringLiteral("Startup FM"));
    sources.startupStationId = 0;
    EXPECT_TRUE(hints(0).isEmpty());
    EXPECT_TRUE(notice(0).isEmpty());
}

} // namespace
