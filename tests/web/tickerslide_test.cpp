#include "web/newsaddress.h"
#include "web/newstitlerule.h"
#include "web/screenedges.h"
#include "web/stripplacement.h"
#include "web/tickerslide.h"

#include <QRect>

#include <gtest/gtest.h>

namespace {

// Off by one in either direction leaves the ticker a pixel off screen or
// shows a pixel of it when parked.
TEST(TickerSlide, SettlesWhereItsSideMeetsTheEdgeOrJustPastIt)
{
    TickerSlide slide;
    slide.start(TickerSlide::In);
    int left = 1000;
    int ticks = 0;
    for (; slide.running() && ticks < 1000; ++ticks)
        left = slide.step(left, 250, 1000);
    EXPECT_EQ(left, 750);
    EXPECT_EQ(ticks, 251);
    slide.start(TickerSlide::Out);
    for (ticks = 0; slide.running() && ticks < 1000; ++ticks)
        left = slide.step(left, 250, 1000);
    EXPECT_EQ(left, 1000);
}

TEST(TickerSlide, FollowsAScreenThatChanges)
{
    TickerSlide slide;
    EXPECT_EQ(slide.placeOn(1920, 250, 1280), 1280) << "parked stays parked";
    slide.start(TickerSlide::In);
    for (int left = 1920, ticks = 0; slide.running() && ticks < 1000; ++ticks)
        left = slide.step(left, 250, 1920);
    EXPECT_EQ(slide.placeOn(1670, 250, 1280), 1030) << "shown stays whole on the smaller screen";
    slide.start(TickerSlide::Out);
    EXPECT_EQ(slide.placeOn(1700, 250, 1280), 1280) << "sliding stays within reach";
    EXPECT_EQ(slide.placeOn(900, 250, 1280), 1030);
}

TEST(NewsTitleRule, ActsOnNewTitlesOnly)
{
    NewsTitleRule rule;
    const QString url = QStringLiteral("http://m/Radio/RssSonvela.asp?IdNotizia=3&TempoRitardo=45");
    using M = NewsTitleRule::Move;
    EXPECT_EQ(rule.titleChanged(url.toUpper(), url), M::None);
    EXPECT_EQ(rule.titleChanged(QStringLiteral("Meteo"), url), M::SlideIn);
    EXPECT_EQ(rule.titleChanged(QStringLiteral("Meteo"), url), M::None);
    EXPECT_EQ(rule.titleChanged(QStringLiteral("No"), url), M::SlideOut);
    EXPECT_EQ(rule.titleChanged(QStringLiteral("NO"), url), M::SlideOut) << "exact comparison with the last";
    EXPECT_EQ(rule.titleChanged(QStringLiteral("NO "), url), M::SlideIn);
}

TEST(NewsAddress, DelayAndAddress)
{
    EXPECT_EQ(NewsAddress::withDelay(NewsAddress::base(QStringLiteral("http://m"), QStringLiteral("abc")), 45),
              QStringLiteral("http://m/Radio/RssSonvela.asp?IdNotizia=abc&TempoRitardo=45"));
    EXPECT_EQ(NewsAddress::delayFrom(QStringLiteral(" 45 "), 30), 45);
    EXPECT_EQ(NewsAddress::delayFrom(QStringLiteral("1"), 30), 1);
    EXPECT_EQ(NewsAddress::delayFrom(QStringLiteral("86400"), 30), 86400);
    for (const char *bad : {"0", "-1", "86401", "2147483648", "", "4 5"})
        EXPECT_EQ(NewsAddress::delayFrom(QLatin1String(bad), 17), 17) << bad;
}

TEST(StripPlacement, CollapsedShowsSeventeenPixelsOnTheAvailableArea)
{
    // A panel on the left and at the bottom: the area starts at 64 and ends at 1000 × 700.
    const ScreenEdges edges = ScreenEdges::of(QRect(64, 0, 936, 700));
    EXPECT_EQ(edges.right, 1000);
    EXPECT_EQ(StripPlacement::collapsed(edges, QSize(392, 40)), QPoint(983, 660));
    EXPECT_EQ(StripPlacement::expanded(edges, QSize(392, 40)), QPoint(608, 660));
}

} // namespace
