#include "options/playlistentries.h"
#include "options/playlisthost.h"
#include "options/playlisttimer.h"
#include "platform/wallclock.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

PlaylistRow entry(const char *key, const char *id, const char *name)
{
    return { QStringLiteral("shown ") + QLatin1String(key), QLatin1String(key), QLatin1String(id), QLatin1String(name),
             QStringLiteral("label ") + QLatin1String(name) };
}

QStringList names(const std::vector<PlaylistRow> &rows)
{
    QStringList out;
    for (const PlaylistRow &row : rows)
        out << row.stationName;
    return out;
}

TEST(PlaylistEntriesTest, SortIsByKeyAsTextAndMovesWholeRows)
{
    std::vector<PlaylistRow> rows = { entry("2105", "1", "Sera"), entry("095", "2", "Mai"), entry("0930", "3", "Mattina"),
                                      entry("", "4", "Senza ora"), entry("0005", "5", "Notte") };
    PlaylistEntries::sort(rows);
    EXPECT_EQ(names(rows), QStringList({ QStringLiteral("Senza ora"), QStringLiteral("Notte"),
                                         QStringLiteral("Mattina"), QStringLiteral("Mai"), QStringLiteral("Sera") }));
    // Every cell travels with its key.
    EXPECT_EQ(rows[2], entry("0930", "3", "Mattina"));
    EXPECT_EQ(rows[3], entry("095", "2", "Mai"));
}

TEST(PlaylistEntriesTest, NewEntriesFillTheBlankRowThenAppend)
{
    std::vector<PlaylistRow> rows(1);
    PlaylistEntries::rowForNewEntry(rows) = entry("0930", "3", "Prima");
    ASSERT_EQ(rows.size(), 1u);
    PlaylistEntries::rowForNewEntry(rows) = entry("1000", "4", "Seconda");
    EXPECT_EQ(names(rows), QStringList({ QStringLiteral("Prima"), QStringLiteral("Seconda") }));
}

TEST(PlaylistEntriesTest, RemovingMovesRowsUpAndKeepsOneRow)
{
    std::vector<PlaylistRow> rows = { entry("0100", "1", "A"), entry("0200", "2", "B"), entry("0300", "3", "C") };
    PlaylistEntries::remove(rows, 1);
    EXPECT_EQ(names(rows), QStringList({ QStringLiteral("A"), QStringLiteral("C") }));
    PlaylistEntries::remove(rows, 7); // no such row: nothing goes
    EXPECT_EQ(rows.size(), 2u);
    PlaylistEntries::remove(rows, 0);
    PlaylistEntries::remove(rows, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], PlaylistRow());
}

class FakeClock final : public WallClock
{
public:
    QTime time;
    QTime now() const override { return time; }
};

class JournalHost final : public PlaylistHost
{
public:
    QStringList calls;
    void setPlaylistStationName(const QString &name) override { calls << QStringLiteral("name ") + name; }
    void playStationById(int id, int source) override { calls << QStringLiteral("play %1/%2").arg(id).arg(source); }
};

class PlaylistTimerTest : public ::testing::Test
{
protected:
    FakeClock clock;
    JournalHost host;
    PlaylistTimer timer { clock, host };
    std::vector<PlaylistRow> grid;

    void SetUp() override
    {
        timer.setRows([this] { return grid; });
    }
};

TEST_F(PlaylistTimerTest, EveryEntryOfTheMinutePlaysInRowOrder)
{
    grid = { entry("0930", "5", "Alfa"), entry("2105", "7", "Sera"), entry("0930", "9", "Beta"),
             entry("0930", "", ""), entry("095", "3", "Mai"), entry("093015", "4", "Secondi") };
    clock.time = QTime(9, 30, 41);
    timer.TimerRadioTimer();
    // The empty station still fires; id 0 plays nothing in the player.
    EXPECT_EQ(host.calls, QStringList({ QStringLiteral("name Alfa"), QStringLiteral("play 5/20"),
                                        QStringLiteral("name Beta"), QStringLiteral("play 9/20"),
                                        QStringLiteral("name "), QStringLiteral("play 0/20") }));

    host.calls.clear();
    clock.time = QTime(9, 31);
    timer.TimerRadioTimer();
    clock.time = QTime(9, 5);
    timer.TimerRadioTimer();
    EXPECT_TRUE(host.calls.isEmpty()) << host.calls.join(QLatin1Char(',')).toStdString();

    // Rows added since the last tick count at once.
    grid.push_back(entry("0905", "11", "Nuova"));
    timer.TimerRadioTimer();
    EXPECT_EQ(host.calls, QStringList({ QStringLiteral("name Nuova"), QStringLiteral("play 11/20") }));
}

TEST_F(PlaylistTimerTest, EnablingKeepsTheMinuteIntervalAndPhase)
{
    EXPECT_EQ(timer.TimerRadio().interval(), 60000);
    EXPECT_EQ(timer.TimerRadio().objectName(), QStringLiteral("TimerRadio"));
    EXPECT_FALSE(timer.isEnabled());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isEnabled());
    const int remaining = timer.TimerRadio().remainingTime();
    timer.setEnabled(true);
    EXPECT_LE(timer.TimerRadio().remainingTime(), remaining);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isEnabled());
}

} // namespace
