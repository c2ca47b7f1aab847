#include "web/sectionflags.h"

#include <gtest/gtest.h>

namespace {

using S = SectionFlags;
using Sections = std::vector<S::Section>;

TEST(SectionFlags, CommunityHotelCommunityGoesBackInsteadOfReloading)
{
    SectionFlags flags;
    S::Plan community = flags.pageChanged(5, false);
    EXPECT_TRUE(community.sponsorLayout);
    EXPECT_TRUE(community.blank.empty()) << "nothing loaded yet, nothing to blank";
    EXPECT_EQ(community.open, S::Community);
    EXPECT_TRUE(community.loadStartPage);
    EXPECT_FALSE(community.goBack);

    const S::Plan hotel = flags.pageChanged(4, false);
    EXPECT_FALSE(hotel.sponsorLayout) << "Hotel keeps the full height";
    EXPECT_EQ(hotel.blank, Sections{S::Community});
    EXPECT_TRUE(hotel.loadStartPage);
    EXPECT_FALSE(hotel.goBack);

    community = flags.pageChanged(5, false);
    EXPECT_EQ(community.blank, Sections{S::Hotel});
    EXPECT_FALSE(community.loadStartPage) << "a section is loaded once per run";
    EXPECT_TRUE(community.goBack);
    EXPECT_TRUE(flags.blanked(S::Community)) << "the flag stays until the next blanking pass";
}

TEST(SectionFlags, EveryLaterVisitGoesBackOnceAfterEachBlanking)
{
    SectionFlags flags;
    flags.pageChanged(6, true);
    const S::Plan radio = flags.pageChanged(0, true);
    EXPECT_EQ(radio.blank, Sections{S::New});
    EXPECT_EQ(radio.open, -1);
    for (int visit = 0; visit < 3; ++visit) {
        const S::Plan back = flags.pageChanged(6, true);
        EXPECT_TRUE(back.goBack) << visit;
        EXPECT_FALSE(back.loadStartPage) << visit;
        flags.pageChanged(8, true);
    }
}

TEST(SectionFlags, RecorderAndCataloguePagesLeaveSectionsAlone)
{
    SectionFlags flags;
    flags.pageChanged(4, false);
    flags.pageChanged(5, false);
    for (int page : {1, 7, 2, 3}) {
        const S::Plan plan = flags.pageChanged(page, false);
        EXPECT_TRUE(plan.blank.empty()) << page;
        EXPECT_FALSE(plan.sponsorLayout) << page;
        EXPECT_EQ(plan.recorderVisit, page == 1) << page;
    }
    // Back on Community: Hotel was blanked when Community opened, nothing since.
    EXPECT_TRUE(flags.blanked(S::Hotel));
    EXPECT_FALSE(flags.blanked(S::Community));
    EXPECT_FALSE(flags.pageChanged(5, false).goBack) << "Community was never left for a blank page";
}

TEST(SectionFlags, SponsorLayoutOnlyBeforeTheFirstStation)
{
    for (const bool started : {false, true}) {
        SectionFlags flags;
        EXPECT_EQ(flags.pageChanged(5, started).sponsorLayout, !started);
        EXPECT_EQ(flags.pageChanged(6, started).sponsorLayout, !started);
        EXPECT_EQ(flags.pageChanged(8, started).sponsorLayout, !started);
        EXPECT_FALSE(flags.pageChanged(0, started).sponsorLayout);
        EXPECT_FALSE(flags.pageChanged(4, started).sponsorLayout);
    }
}

TEST(SectionFlags, SudokuAndRadioBlankEverySectionThatWasLoaded)
{
    SectionFlags flags;
    flags.pageChanged(4, true);
    flags.pageChanged(6, true);
    EXPECT_EQ(flags.pageChanged(8, true).blank, (Sections{S::Hotel, S::New}));
    EXPECT_EQ(flags.pageChanged(0, true).blank, (Sections{S::Hotel, S::New}));
    EXPECT_FALSE(flags.blanked(S::Community));
    EXPECT_FALSE(flags.loaded(S::Community));
}

} // namespace
