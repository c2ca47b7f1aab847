#include "settings/optionsloader.h"

#include "sandbox.h"
#include "service/linerecords.h"
#include "settings/optionshost.h"
#include "settings/optionsstate.h"

#include <gtest/gtest.h>

namespace {

class RecordingOptionsHost final : public OptionsHost
{
public:
    QStringList calls;
    void setStationSource(int source) override { calls << QStringLiteral("source %1").arg(source); }
    void playStationById(int id, int source) override { calls << QStringLiteral("play %1 %2").arg(id).arg(source); }
    void refreshFavourites() override { calls << QStringLiteral("refresh"); }
    void applyLanguage(int language) override { calls << QStringLiteral("language %1").arg(language); }
};

class OptionsLoaderTest : public SettingsSandbox
{
protected:
    // A full file: auto-play, start-up station, slots 2 and 4 filled, flags, language.
    static QByteArray file(const char *autoPlay, const char *startupId, const char *language = "2")
    {
        QByteArray bytes = crlf({ "NO", autoPlay, startupId, "Radio Avvio", "0", "", "", "22", "Due", "L2", "0", "", "",
            "44", "Quattro", "L4", "0", "", "", "NO", "SI", "SI" });
        for (int slot = 6; slot <= 15; ++slot)
            bytes += crlf({ "0", "", "" });
        return bytes + QByteArray(language) + "\r\n";
    }

    OptionsState state;
    RecordingOptionsHost host;

    void load() { OptionsLoader(state, host, settings).loadOptions(); }
};

TEST_F(OptionsLoaderTest, NoFilePlaysNothingAndAppliesTheCurrentLanguage)
{
    state.languageIndex = 3;
    load();
    EXPECT_EQ(host.calls, QStringList { QStringLiteral("language 3") });
    EXPECT_EQ(state.personalStations, PersonalStations {});
}

TEST_F(OptionsLoaderTest, AutoPlayStartsTheStationBeforeTheRestIsApplied)
{
    put(QStringLiteral("OpzSV.txt"), file("SI", "12"));
    load();
    EXPECT_EQ(host.calls,
        (QStringList { QStringLiteral("source 0"), QStringLiteral("play 12 0"), QStringLiteral("refresh"),
            QStringLiteral("language 2") }));
    EXPECT_EQ(state.startupStation, (StartupStation { 12, QStringLiteral("Radio Avvio") }));
    EXPECT_FALSE(state.searchAtStart);
    EXPECT_TRUE(state.messenger);
    EXPECT_TRUE(state.playlist);
}

// A later answer (a mirror change, a login) updates the options but leaves
// the station the user chose playing.
TEST_F(OptionsLoaderTest, OnlyTheFirstLoadOfTheRunPlaysTheStartupStation)
{
    put(QStringLiteral("OpzSV.txt"), file("SI", "12"));
    OptionsLoader loader(state, host, settings);
    loader.loadOptions();
    host.calls.clear();
    put(QStringLiteral("OpzSV.txt"), file("SI", "13", "1"));
    loader.loadOptions();
    EXPECT_EQ(host.calls, (QStringList { QStringLiteral("refresh"), QStringLiteral("language 1") }));
    EXPECT_EQ(state.startupStation.id, 13);
    EXPECT_EQ(state.languageIndex, 1);
}

struct AutoPlayCase
{
    const char *autoPlay;
    const char *id;
};

class OptionsLoaderNoPlay : public OptionsLoaderTest, public ::testing::WithParamInterface<AutoPlayCase>
{
};

// Without a station to play, no start-up id stays in memory.
TEST_P(OptionsLoaderNoPlay, NothingIsPlayedAndTheIdInMemoryIsZero)
{
    state.startupStation.id = 5;
    put(QStringLiteral("OpzSV.txt"), file(GetParam().autoPlay, GetParam().id));
    load();
    EXPECT_FALSE(host.calls.join(QLatin1Char(',')).contains(QStringLiteral("play")));
    EXPECT_EQ(host.calls.first(), QStringLiteral("source 0"));
    EXPECT_EQ(state.startupStation.id, 0);
    EXPECT_EQ(state.startupStation.name, QStringLiteral("Radio Avvio"));
}

INSTANTIATE_TEST_SUITE_P(Table, OptionsLoaderNoPlay,
    ::testing::Values(AutoPlayCase { "SI", "0" }, AutoPlayCase { "si", "12" }, AutoPlayCase { "NO", "12" },
        AutoPlayCase { "SI", "abc" }));

TEST_F(OptionsLoaderTest, PersonalStationsAreCompactedBeforeTheRefresh)
{
    put(QStringLiteral("OpzSV.txt"), file("NO", "0"));
    load();
    EXPECT_EQ(state.personalStations[0], (PersonalStation { 22, QStringLiteral("Due"), QStringLiteral("L2") }));
    EXPECT_EQ(state.personalStations[1], (PersonalStation { 44, QStringLiteral("Quattro"), QStringLiteral("L4") }));
    for (std::size_t i = 2; i < 15; ++i)
        EXPECT_EQ(state.personalStations[i], PersonalStation {}) << i;
}

TEST_F(OptionsLoaderTest, TwentyTwoLineFileLeavesSlotsSixToFifteenAndGivesItalian)
{
    state.languageIndex = 4;
    state.personalStations[9] = { 99, QStringLiteral("Dieci"), QStringLiteral("L10") };
    put(QStringLiteral("OpzSV.txt"), file("NO", "0").left(file("NO", "0").indexOf("0\r\n\r\n\r\n0\r\n")));
    load();
    EXPECT_EQ(host.calls.last(), QStringLiteral("language 1"));
    // Slot 10 survives, compacted down behind the two read from the file.
    EXPECT_EQ(state.personalStations[2], (PersonalStation { 99, QStringLiteral("Dieci"), QStringLiteral("L10") }));
}

TEST_F(OptionsLoaderTest, EmptyFileGivesTheDefaults)
{
    state.startupStation = { 7, QStringLiteral("old") };
    state.languageIndex = 3;
    put(QStringLiteral("OpzSV.txt"), QByteArray());
    load();
    EXPECT_EQ(host.calls, (QStringList { QStringLiteral("refresh"), QStringLiteral("language 1") }));
    EXPECT_EQ(state.startupStation, (StartupStation { 7, QString() }));
    EXPECT_TRUE(state.searchAtStart);
    EXPECT_TRUE(state.messenger);
    EXPECT_FALSE(state.playlist);
}

TEST_F(OptionsLoaderTest, UnreadableFileThrowsAndChangesNothing)
{
    ASSERT_TRUE(QDir().mkpath(settings + QStringLiteral("OpzSV.txt")));
    state.languageIndex = 3;
    const OptionsState before = state;
    EXPECT_THROW(load(), FileError);
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_EQ(state, before);
}

} // namespace
