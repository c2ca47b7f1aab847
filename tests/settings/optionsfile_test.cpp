#include "settings/optionsfile.h"

#include "sandbox.h"
#include "service/linerecords.h"
#include "settings/settingslines.h"

#include <gtest/gtest.h>

namespace {

// Slot n's id line: slots 1-5 follow the start-up station, 6-15 the flags.
constexpr int SlotLine[16] = { 0, 5, 8, 11, 14, 17, 23, 26, 29, 32, 35, 38, 41, 44, 47, 50 };

OptionsRecord sampleRecord()
{
    OptionsRecord record;
    record.autorun = true;
    record.autoPlay = true;
    record.startupStation = { 12, QStringLiteral("Radio Dodici") };
    record.personalStations[0] = { 101, QStringLiteral("Uno"), QStringLiteral("Label Uno") };
    record.personalStations[1] = { 102, QStringLiteral("Due"), QStringLiteral("Label Due") };
    record.personalStations[5] = { 106, QStringLiteral("Sei"), QStringLiteral("Label Sei") };
    record.personalStations[14] = { 115, QStringLiteral("Quindici"), QStringLiteral("Label Quindici") };
    record.searchAtStart = false;
    record.messenger = false;
    record.playlist = true;
    record.languageIndex = 3;
    return record;
}

// The same record, line by line, as the format table lays it out.
const QByteArray SampleBytes
    = crlf({ "SI", "SI", "12", "Radio Dodici", "101", "Uno", "Label Uno", "102", "Due", "Label Due", "0", "", "", "0",
        "", "", "0", "", "", "NO", "NO", "SI", "106", "Sei", "Label Sei", "0", "", "", "0", "", "", "0", "", "", "0",
        "", "", "0", "", "", "0", "", "", "0", "", "", "0", "", "", "115", "Quindici", "Label Quindici", "3" });

OptionsState sentinelState()
{
    OptionsState state;
    state.startupStation = { 99, QStringLiteral("old") };
    for (int slot = 1; slot <= 15; ++slot)
        state.personalStations[slot - 1] = { 900 + slot, QStringLiteral("old name"), QStringLiteral("old label") };
    state.searchAtStart = false;
    state.messenger = false;
    state.playlist = true;
    state.languageIndex = 4;
    return state;
}

SettingsLines firstLines(int n)
{
    QByteArray bytes;
    const SettingsLines all(SampleBytes);
    for (int line = 1; line <= n; ++line)
        bytes += all.text(line).toUtf8() + "\r\n";
    return SettingsLines(bytes);
}

// For a file cut after `n` lines: each slot value comes from the file exactly
// when its line is there, else it keeps the value it had.
void expectSlots(const PersonalStations &stations, int n, const PersonalStations &fromFile)
{
    for (int slot = 1; slot <= 15; ++slot) {
        const PersonalStation &got = stations[slot - 1];
        const PersonalStation &file = fromFile[slot - 1];
        EXPECT_EQ(got.id, n >= SlotLine[slot] ? file.id : 900 + slot) << "slot " << slot << " lines " << n;
        EXPECT_EQ(got.name, n >= SlotLine[slot] + 1 ? file.name : QStringLiteral("old name")) << slot << ' ' << n;
        EXPECT_EQ(got.label, n >= SlotLine[slot] + 2 ? file.label : QStringLiteral("old label")) << slot << ' ' << n;
    }
}

TEST(OptionsFile, ComposesTheFiftyThreeLinesByteForByte)
{
    const QStringList lines = OptionsFile::compose(sampleRecord());
    EXPECT_EQ(lines.size(), 53);
    EXPECT_EQ(SettingsLines::compose(lines), SampleBytes);
}

class OptionsFileTruncated : public ::testing::TestWithParam<int>
{
};

TEST_P(OptionsFileTruncated, LoadingKeepsMissingValuesAndAppliesTheDefaults)
{
    const int n = GetParam();
    const OptionsFile::Loaded loaded = OptionsFile::readForLoading(firstLines(n), sentinelState());
    const OptionsRecord file = sampleRecord();
    EXPECT_EQ(loaded.autoPlay, n >= 2);
    EXPECT_EQ(loaded.startupIdPresent, n >= 3);
    EXPECT_EQ(loaded.state.startupStation.id, n >= 3 ? 12 : 99);
    // The name is cleared before line 4 is read.
    EXPECT_EQ(loaded.state.startupStation.name, n >= 4 ? QStringLiteral("Radio Dodici") : QString());
    expectSlots(loaded.state.personalStations, n, file.personalStations);
    EXPECT_EQ(loaded.state.searchAtStart, n >= 20 ? false : true);
    EXPECT_EQ(loaded.state.messenger, n >= 21 ? false : true);
    EXPECT_EQ(loaded.state.playlist, n >= 22);
    EXPECT_EQ(loaded.state.languageIndex, n >= 53 ? 3 : 1);
}

TEST_P(OptionsFileTruncated, EditingStopsAtTheFirstMissingLine)
{
    const int n = GetParam();
    const OptionsFile::Edited edited = OptionsFile::readForEditing(firstLines(n), sentinelState());
    const auto expectFlag = [n](std::optional<bool> got, int line, bool inFile, bool fallback) {
        if (n >= line)
            EXPECT_EQ(got, std::optional<bool>(inFile)) << "line " << line << " of " << n;
        else if (n == line - 1)
            EXPECT_EQ(got, std::optional<bool>(fallback)) << "line " << line << " of " << n;
        else
            EXPECT_FALSE(got.has_value()) << "line " << line << " of " << n;
    };
    EXPECT_EQ(edited.autorun, n >= 1 ? std::optional<bool>(true) : std::nullopt);
    EXPECT_EQ(edited.autoPlay, n >= 2 ? std::optional<bool>(true) : std::nullopt);
    EXPECT_EQ(edited.state.startupStation.id, n >= 3 ? 12 : 99);
    EXPECT_EQ(edited.state.startupStation.name, QStringLiteral("old"));
    expectSlots(edited.state.personalStations, n, sampleRecord().personalStations);
    expectFlag(edited.searchAtStart, 20, false, true);
    expectFlag(edited.messenger, 21, false, true);
    expectFlag(edited.playlist, 22, true, false);
    // Flags and language of the main window are not the window's to change.
    EXPECT_EQ(edited.state.languageIndex, 4);
    EXPECT_TRUE(edited.state.playlist);
}

INSTANTIATE_TEST_SUITE_P(EveryLength, OptionsFileTruncated, ::testing::Range(0, 54));

struct LanguageCase
{
    const char *line;
    int expected;
};

class OptionsLanguage : public ::testing::TestWithParam<LanguageCase>
{
};

// Only 1..4 have interface texts; anything else must not index the table.
TEST_P(OptionsLanguage, StoredLanguageOutsideOneToFourIsItalian)
{
    QByteArray bytes = SampleBytes.left(SampleBytes.lastIndexOf("3\r\n"));
    bytes += QByteArray(GetParam().line) + "\r\n";
    ASSERT_EQ(SettingsLines(bytes).count(), 53);
    EXPECT_EQ(
        OptionsFile::readForLoading(SettingsLines(bytes), OptionsState()).state.languageIndex, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, OptionsLanguage,
    ::testing::Values(LanguageCase { "1", 1 }, LanguageCase { "2", 2 }, LanguageCase { "4", 4 },
        LanguageCase { "0", 1 }, LanguageCase { "-3", 1 }, LanguageCase { "abc", 1 }, LanguageCase { "5", 1 },
        LanguageCase { "9", 1 }, LanguageCase { "", 1 }, LanguageCase { "99999999999", 1 }));

TEST(OptionsFile, LowerCaseSiAndLoneLfReadAsWritten)
{
    QByteArray bytes = crlf({ "SI", "si", "7", "Rock\nRadio" });
    const OptionsFile::Loaded loaded = OptionsFile::readForLoading(SettingsLines(bytes), OptionsState());
    EXPECT_FALSE(loaded.autoPlay);
    EXPECT_EQ(loaded.state.startupStation.name, QStringLiteral("Rock\nRadio"));
}

TEST(OptionsFile, NonNumericAndNegativeIdsReadAsWritten)
{
    const QByteArray bytes = crlf({ "NO", "NO", "abc", "", "-4", "Neg", "L", "x1", "Bad", "L" });
    const OptionsFile::Loaded loaded = OptionsFile::readForLoading(SettingsLines(bytes), OptionsState());
    EXPECT_EQ(loaded.state.startupStation.id, 0);
    EXPECT_EQ(loaded.state.personalStations[0].id, -4);
    EXPECT_EQ(loaded.state.personalStations[1].id, 0);
    EXPECT_EQ(loaded.state.personalStations[1].name, QStringLiteral("Bad"));
}

TEST(OptionsFile, UploadEntriesAreTheLinesCutToTwoHundredCharacters)
{
    OptionsRecord record = sampleRecord();
    record.personalStations[0].name = QString(250, QLatin1Char('n'));
    // An emoji straddling the cut is dropped whole rather than halved.
    record.personalStations[0].label = QString(199, QLatin1Char('l')) + QStringLiteral("\U0001F600");
    const QStringList lines = OptionsFile::compose(record);
    const UploadEntries entries = OptionsFile::uploadEntries(lines);
    ASSERT_EQ(entries.size(), 53);
    EXPECT_EQ(entries.at(5), QString(200, QLatin1Char('n')));
    EXPECT_EQ(entries.at(6), QString(199, QLatin1Char('l')));
    EXPECT_EQ(entries.at(0), QStringLiteral("SI"));
    EXPECT_EQ(entries.at(52), QStringLiteral("3"));
}

class OptionsFileOnDisk : public SettingsSandbox
{
};

TEST_F(OptionsFileOnDisk, WriteThenReadRoundTrips)
{
    OptionsRecord record = sampleRecord();
    record.personalStations[3].name = QStringLiteral("Radio Citt\u00e0 & \u20ac #1");
    const UploadEntries entries = OptionsFile::write(settings, record);
    EXPECT_EQ(entries.size(), 53);
    const auto lines = SettingsLines::readFile(OptionsFile::path(settings));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->count(), 53);
    const OptionsFile::Loaded loaded = OptionsFile::readForLoading(*lines, OptionsState());
    EXPECT_EQ(loaded.state.personalStations, record.personalStations);
    EXPECT_EQ(loaded.state.startupStation, record.startupStation);
    EXPECT_EQ(loaded.state.languageIndex, 3);
    EXPECT_EQ(strayFiles({ QStringLiteral("OpzSV.txt") }), QStringList());
}

TEST_F(OptionsFileOnDisk, ReadOnlyFolderReportsAndKeepsTheOldFile)
{
    if (runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    put(QStringLiteral("OpzSV.txt"), SampleBytes);
    ASSERT_TRUE(QFile::setPermissions(settings, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_THROW(OptionsFile::write(settings, OptionsRecord()), FileError);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), SampleBytes);
}

TEST_F(OptionsFileOnDisk, FolderThatIsAFileReportsAnError)
{
    put(QStringLiteral("plain"), "x");
    try {
        OptionsFile::write(settings + QStringLiteral("plain/"), OptionsRecord());
        FAIL() << "no error";
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("OpzSV.txt"))) << error.message().toStdString();
    }
}

} // namespace
