#include "recording/diskfigures.h"

#include <gtest/gtest.h>

using namespace DiskFigures;

TEST(DiskFigures, FormatStepsUpOnlyAbove1024AndTruncates)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(format(0, c), QStringLiteral("0 byte"));
    EXPECT_EQ(format(1024, c), QStringLiteral("1024 byte"));
    EXPECT_EQ(format(1025, c), QStringLiteral("1 Kb"));
    EXPECT_EQ(format(1536, c), QStringLiteral("1.5 Kb"));
    EXPECT_EQ(format(1024 * 1023.999, c), QStringLiteral("1023.99 Kb")) << "truncated, not rounded";
    EXPECT_EQ(format(5.0 * 1024 * 1024 * 1024, c), QStringLiteral("5 Gb"));
    EXPECT_EQ(format(3000.0 * 1024 * 1024 * 1024, c), QStringLiteral("3000 Gb")) << "no fourth step";
    EXPECT_EQ(format(1234567.0 * 1024 * 1024, QLocale(QLocale::Italian, QLocale::Italy)), QStringLiteral("1205,63 Gb"))
        << "the user's decimal separator and no grouping";
}

// A recording over 2 GB keeps its real size: the figure is 64-bit throughout.
TEST(DiskFigures, FileOver2GbKeepsItsSize)
{
    const std::int64_t file = 3LL * 1024 * 1024 * 1024;
    EXPECT_EQ(format(static_cast<double>(file), QLocale::c()), QStringLiteral("3 Gb"));
    const Slices s = slices(file, 100LL * 1024 * 1024 * 1024, 500LL * 1024 * 1024 * 1024);
    EXPECT_NEAR(s.file / (s.file + s.free + s.usage), 3.0 / 500, 1e-4);
}

TEST(DiskFigures, SlicesScaleTogetherAndLeaveTheFileOutOfFreeAndUsage)
{
    const Slices none = slices(0, 400'000'000, 1'000'000'000);
    EXPECT_EQ(none.file, 0) << "no recording yet: the file slice is empty";
    EXPECT_EQ(none.free, 400'000'000) << "with a zero figure nothing is scaled";
    EXPECT_EQ(none.usage, 600'000'000);

    const Slices some = slices(10LL << 20, 400LL << 30, 1000LL << 30);
    EXPECT_DOUBLE_EQ(some.file, 10);                      // in Mb: the smallest was scaled twice
    EXPECT_DOUBLE_EQ(some.free, 400.0 * 1024 - 10);
    EXPECT_DOUBLE_EQ(some.usage, 600.0 * 1024 - 10);

    const Slices odd = slices(500, 400, 1000); // figures read a moment apart
    EXPECT_GE(odd.free, 0) << "no negative slice";
}

TEST(DiskFigures, HalvesRoundToEvenForSecondsAndGauges)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(7.49), 7);
    EXPECT_EQ(gaugePercent(0), 0);
    EXPECT_EQ(gaugePercent(16384), 50);
    EXPECT_EQ(gaugePercent(32768), 100);
    EXPECT_EQ(gaugePercent(4096), 12) << "12.5 % rounds to the even 12";
    EXPECT_EQ(gaugePercent(12288), 38) << "37.5 % rounds to the even 38";
}

// The pie is drawn again only when it would look different.
TEST(DiskFigures, APieIsTheSameUntilALabelTheLargestOrAVisibleShareChanges)
{
    const QLocale c = QLocale::c();
    const PieLook shown = pieLook({3, 400'000, 600'000}, c);
    EXPECT_EQ(shown.labels[0], QStringLiteral("0.0 %"));
    EXPECT_EQ(shown.largest, 2u);
    const struct
    {
        Slices next;
        bool same;
        const char *why;
    } cases[] = {
        {{3, 400'000, 600'000}, true, "the same figures"},
        {{4, 400'000, 600'000}, true, "the file grew by a ten-millionth of the pie"},
        {{0, 400'000, 600'000}, false, "the file's label goes"},
        {{3, 400'200, 599'800}, false, "a share moved by two ten-thousandths, the labels alike"},
        {{3, 401'000, 599'000}, false, "a label changed"},
        {{3, 600'000, 400'000}, false, "another slice stands out"},
    };
    for (const auto &one : cases)
        EXPECT_EQ(samePie(pieLook(one.next, c), shown), one.same) << one.why;
}
