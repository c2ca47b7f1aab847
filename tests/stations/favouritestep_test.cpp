#include "stations/favouritestep.h"

#include <gtest/gtest.h>

namespace {

PersonalStations withSlots(std::initializer_list<int> slots)
{
    PersonalStations favourites;
    for (int slot : slots)
        favourites[static_cast<std::size_t>(slot - 1)] = { 100 + slot, QStringLiteral("s"), QStringLiteral("s") };
    return favourites;
}

// Catches an off-by-one at either end of the fifteen slots and a step that
// lands on an empty slot.
TEST(FavouriteStep, StepsRoundTheEndsAndSkipsEmptySlots)
{
    struct Case
    {
        std::initializer_list<int> filled;
        int current;
        int step;
        int expected;
    };
    const Case cases[] = {
        { { 2, 5, 15 }, 2, +1, 5 },
        { { 2, 5, 15 }, 5, +1, 15 },
        { { 2, 5, 15 }, 15, +1, 2 },
        { { 2, 5, 15 }, 2, -1, 15 },
        { { 2, 5, 15 }, 15, -1, 5 },
        { { 1, 15 }, 1, -1, 15 },
        { { 1, 15 }, 15, +1, 1 },
        { { 2, 5, 15 }, 0, +1, 2 },
        { { 2, 5, 15 }, 0, -1, 15 }, // from a station that is no favourite
        { { 2, 5, 15 }, 3, +1, 5 },
        { { 2, 5, 15 }, 3, -1, 2 }, // from a slot emptied meanwhile
        { { 7 }, 7, +1, 7 },
        { {}, 0, +1, 0 },
        { {}, 4, -1, 0 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(favouriteStep(withSlots(c.filled), c.current, c.step), c.expected)
            << "from " << c.current << " by " << c.step;
}

TEST(FavouriteStep, OnlyFavouriteSourcesNameASlot)
{
    EXPECT_EQ(favouriteSlotOf(20), 0);
    EXPECT_EQ(favouriteSlotOf(21), 1);
    EXPECT_EQ(favouriteSlotOf(35), 15);
    EXPECT_EQ(favouriteSlotOf(36), 0);
    EXPECT_EQ(favouriteSlotOf(0), 0);
}

} // namespace
