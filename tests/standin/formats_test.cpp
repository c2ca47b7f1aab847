// The answer formats and helpers of the stand-in, without a network.
#include "audiostream.h"
#include "commandline.h"
#include "connectionstream.h"
#include "loopbackaddress.h"
#include "passwordhash.h"
#include "queryvalues.h"
#include "recordformat.h"
#include "requestlog.h"
#include "seeddata.h"
#include "stationsynth.h"
#include "streampacer.h"

#include "service/linerecords.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

using RecordFormat::Catalogue;
using RecordFormat::CatalogueEntry;

std::vector<std::string> clientRecords(const std::string &page, bool skipHeader)
{
    std::vector<std::string> out;
    for (const QByteArray &r : readRecords(normaliseCapture(QByteArray::fromStdString(page), skipHeader)))
        out.push_back(r.toStdString());
    return out;
}

CatalogueEntry entry(const std::string &name)
{
    return {"http://h/p?Id=" + name, name, "label " + name, "7"};
}

Catalogue fullCatalogue()
{
    Catalogue c;
    for (int i = 1; i <= 15; ++i) {
        c.mostClicked.push_back(entry("M" + std::to_string(i))); // M1 is the most clicked
        c.newest.push_back(entry("N" + std::to_string(i)));
    }
    c.title = "Linux";
    c.ignored = "x";
    c.tabCaption = "Tab";
    c.tabUrl = "http://h/tab";
    return c;
}

TEST(CatalogueText, ClientReadsEverySlotWhereItsFormulaExpectsIt)
{
    const auto records = clientRecords(RecordFormat::catalogueText(fullCatalogue()), false);
    ASSERT_EQ(records.size(), 124u);
    for (int r = 1; r <= 120; r += 4) {
        const auto at = static_cast<std::size_t>(r - 1);
        std::string expected;
        if (r <= 60) {
            const int slot = 15 - (r - 1) / 4;
            expected = "M" + std::to_string(16 - slot); // slot 15 is the top entry
        } else {
            expected = "N" + std::to_string((r - 61) / 4 + 1);
        }
        EXPECT_EQ(records[at], "http://h/p?Id=" + expected) << "record " << r;
        EXPECT_EQ(records[at + 1], expected) << "record " << r + 1;
        EXPECT_EQ(records[at + 2], "label " + expected);
        EXPECT_EQ(records[at + 3], "7");
    }
    EXPECT_EQ(records[120], "Linux");
    EXPECT_EQ(records[122], "Tab");
    EXPECT_EQ(records[123], "http://h/tab");
}

TEST(CatalogueText, ShortListsStillGive124RecordsWithEmptySlots)
{
    Catalogue c;
    c.mostClicked = {entry("A")};
    c.newest = {entry("B"), entry("C")};
    const auto records = clientRecords(RecordFormat::catalogueText(c), false);
    ASSERT_EQ(records.size(), 124u);
    EXPECT_EQ(records[1], "A"); // the only station is the top entry, slot 15
    EXPECT_EQ(records[57], ""); // slot 1, records 57-60
    EXPECT_EQ(records[61], "B");
    EXPECT_EQ(records[65], "C");
    EXPECT_EQ(records[69], "");
    EXPECT_EQ(records[123], "");
}

class HostileName : public ::testing::TestWithParam<std::string>
{
};

// A name that carried a marker, a line break or a SUB byte would shift every
// later record, or end the client's reading early.
TEST_P(HostileName, StaysInsideItsOwnRecord)
{
    Catalogue c = fullCatalogue();
    c.mostClicked[0].name = GetParam();
    const auto records = clientRecords(RecordFormat::catalogueText(c), false);
    ASSERT_EQ(records.size(), 124u);
    EXPECT_EQ(records[2], "label M1");
    EXPECT_EQ(records[123], "http://h/tab");
}

INSTANTIATE_TEST_SUITE_P(Markers, HostileName,
                         ::testing::Values("a<BR>b", "a<BR1>b", "a<BR2>b", "a\r\nb", "a\rb", "a\nb",
                                           std::string("a\x1a" "b"), "Rock & Blues #1"));

TEST(PreferencesPage, ValuesFollowTheTitleLineOneByOne)
{
    const std::vector<std::string> values = {"NO", "SI", "6", "Jazz Café", "", "Rock & Roll #1", "a+b", "1"};
    EXPECT_EQ(clientRecords(RecordFormat::preferencesPage(values), true),
              (std::vector<std::string>{"NO", "SI", "6", "Jazz Café", "", "Rock & Roll #1", "a+b", "1",
                                        "</body></html>"}));
}

TEST(SeedOptions, BothSetsHaveTheOptionsFileLayout)
{
    for (const auto &lines : {SeedData::demoOptions(), SeedData::defaultOptions()}) {
        ASSERT_EQ(lines.size(), 53u);
        for (const std::size_t flag : {0, 1, 19, 20, 21})
            EXPECT_TRUE(lines[flag] == "SI" || lines[flag] == "NO") << "line " << flag + 1;
        EXPECT_EQ(lines[52], "1");
    }
    // Slot 1 (lines 5-7) and slot 6 (lines 23-25) of the demo user are filled.
    const auto demo = SeedData::demoOptions();
    EXPECT_EQ(demo[4], "6");
    EXPECT_EQ(demo[5], "Jazz Café Milano");
    EXPECT_EQ(demo[22], "27");
    EXPECT_EQ(demo[2], "6"); // the start-up station
}

TEST(PreferencesPage, NoValuesGiveAnEmptyOptionsFile)
{
    EXPECT_TRUE(clientRecords(RecordFormat::preferencesPage({}), true).empty());
}

TEST(PreferencesPage, ALineBreakInAStoredValueDoesNotShiftTheLinesAfterIt)
{
    const auto records = clientRecords(RecordFormat::preferencesPage({"a\r\nb", "second"}), true);
    ASSERT_GE(records.size(), 2u);
    EXPECT_EQ(records[1], "second");
}

TEST(SplitValues, KeepsEmptyValuesAtEitherEnd)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(RecordFormat::splitValues(""), V{""});
    EXPECT_EQ(RecordFormat::splitValues("a<BR>b<BR>"), (V{"a", "b", ""}));
    EXPECT_EQ(RecordFormat::splitValues("<BR>x"), (V{"", "x"}));
    EXPECT_EQ(RecordFormat::splitValues("a<br>b"), V{"a<br>b"});
}

TEST(SelectionPage, CarriesIdNameAndLabelOnLines39To43)
{
    const std::string page = RecordFormat::selectionPickPage({27, "Lounge Ätna & Co", "Lounge"}, "Sonvela", "/x");
    EXPECT_NE(page.find("<title>Radio personale - Sonvela</title>"), std::string::npos);
    EXPECT_EQ(page.find('\n'), page.find("\r\n") + 1); // CR LF line ends
    const auto lines = readRecords(QByteArray::fromStdString(page));
    ASSERT_GE(lines.size(), 43u);
    EXPECT_EQ(lines[38], "27");
    EXPECT_EQ(lines[40].toStdString(), "Lounge Ätna & Co");
    EXPECT_EQ(lines[42], "Lounge");
}

struct DecodeCase
{
    const char *query;
    QueryValues::Plus plus;
    const char *key;
    const char *expected;
};

class QueryDecoding : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(QueryDecoding, DecodesAsTheServicePagesRead)
{
    const DecodeCase c = GetParam();
    EXPECT_EQ(QueryValues(c.query, c.plus).value(c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, QueryDecoding,
    ::testing::Values(DecodeCase{"valore=a+b", QueryValues::Plus::Literal, "valore", "a+b"},
                      DecodeCase{"q=a+b", QueryValues::Plus::Space, "q", "a b"},
                      DecodeCase{"valore=Canale%20%231", QueryValues::Plus::Literal, "valore", "Canale #1"},
                      DecodeCase{"v=%zz%4", QueryValues::Plus::Literal, "v", "%zz%4"},
                      DecodeCase{"v=Citt%C3%A0", QueryValues::Plus::Literal, "v", "Città"},
                      DecodeCase{"IDUTENTE=5", QueryValues::Plus::Literal, "idutente", "5"},
                      DecodeCase{"a=1&a=2", QueryValues::Plus::Literal, "a", "1"},
                      DecodeCase{"a&b=2", QueryValues::Plus::Literal, "a", ""},
                      DecodeCase{"=x&&b=%3CBR%3E", QueryValues::Plus::Literal, "b", "<BR>"}));

TEST(QueryValues, PositiveIdRejectsEverythingButAPlainPositiveNumber)
{
    for (const char *bad : {"", "0", "-3", "12abc", " 5", "+5", "99999999999", "2147483648", "1e3"})
        EXPECT_FALSE(parsePositiveId(bad)) << bad;
    EXPECT_EQ(parsePositiveId("2147483647"), 2147483647);
    EXPECT_EQ(QueryValues("Id=44").positiveId("id"), 44);
}

struct LineCase
{
    const char *line;
    const char *repaired;
    const char *target;
};

class RequestLineRepair : public ::testing::TestWithParam<LineCase>
{
};

// httplib refuses a request line whose query holds a second '?' or a space;
// the client sends option values unescaped, so such a line must still parse.
TEST_P(RequestLineRepair, EscapesOnlyWhatHttplibWouldRefuse)
{
    std::string target;
    EXPECT_EQ(ConnectionStream::repairRequestLine(GetParam().line, &target), GetParam().repaired);
    EXPECT_EQ(target, GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RequestLineRepair,
    ::testing::Values(LineCase{"GET /a?b=1 HTTP/1.1\r", "GET /a?b=1 HTTP/1.1\r", "/a?b=1"},
                      LineCase{"GET /a?v=Chi sei?&x=? HTTP/1.1\r", "GET /a?v=Chi%20sei%3F&x=%3F HTTP/1.1\r",
                               "/a?v=Chi sei?&x=?"},
                      LineCase{"GET /a b HTTP/1.0", "GET /a%20b HTTP/1.0", "/a b"},
                      LineCase{"GET /a?\xc3\xa0 HTTP/1.1", "GET /a?\xc3\xa0 HTTP/1.1", "/a?\xc3\xa0"},
                      LineCase{"garbage", "garbage", ""}, LineCase{"GET /x?y", "GET /x?y", ""},
                      LineCase{"GET  HTTP/1.1", "GET  HTTP/1.1", ""}));

TEST(JsonString, EscapesWhatWouldBreakALogLine)
{
    EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(jsonString("a\nb\x01"), "\"a\\u000ab\\u0001\"");
    EXPECT_EQ(jsonString("Città"), "\"Città\"");
    EXPECT_EQ(jsonString("x\xff\xc3"), "\"x\\ufffd\\ufffd\"");
    EXPECT_EQ(jsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\""); // a lone surrogate is not UTF-8
}

TEST(RequestLog, MovesAFullFileAsideAndStartsAgain)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("r.log")).toStdString();
    {
        RequestLog log(path, 4096);
        for (int i = 0; i < 200; ++i)
            log.record(18081, "GET", "/Radio/CaricaDati.asp?id=" + std::to_string(i), 200);
    }
    ASSERT_TRUE(std::filesystem::exists(path + ".1"));
    EXPECT_LE(std::filesystem::file_size(path), 4096u);
    EXPECT_LE(std::filesystem::file_size(path + ".1"), 4096u);
    std::ifstream in(path);
    std::string line;
    std::string last;
    while (std::getline(in, line)) {
        EXPECT_EQ(line.front(), '{');
        EXPECT_EQ(line.back(), '}');
        last = line;
    }
    EXPECT_NE(last.find("\"path\":\"/Radio/CaricaDati.asp?id=199\""), std::string::npos);
}

TEST(PasswordHash, StoresSaltedArgon2idThatNamesItsCost)
{
    const std::string hash = hashPassword("ascolta48");
    EXPECT_EQ(hash.rfind("$argon2id$v=19$m=65536,t=2,p=1$", 0), 0u) << hash;
    EXPECT_NE(hashPassword("ascolta48"), hash) << "each hash has its own salt";
    const PasswordCheck right = checkPassword(hash, "", "ascolta48");
    EXPECT_TRUE(right.matches);
    EXPECT_FALSE(right.needsRehash);
    for (const char *wrong : {"Ascolta48", "", "ascolta48 "})
        EXPECT_FALSE(checkPassword(hash, "", wrong).matches) << wrong;
    EXPECT_FALSE(checkPassword(hash.substr(0, hash.size() - 1), "", "ascolta48").matches);
    EXPECT_FALSE(checkPassword("", "", "").matches) << "an empty stored hash matches nothing";
}

// Written by the stand-in before Argon2id: 4096 rounds of hex SHA-256.
const std::string legacySalt = "5f0c1d2e3a4b5c6d7e8f901a2b3c4d5e";
const std::string legacyHash = "d11a61d943a5d3017fc4f651fd5ed21f36c6485575c9feea0e00fe701e06bf4c";

TEST(PasswordHash, AnOldHashStillMatchesAndAsksForARehash)
{
    const PasswordCheck right = checkPassword(legacyHash, legacySalt, "ascolta48");
    EXPECT_TRUE(right.matches);
    EXPECT_TRUE(right.needsRehash);
    EXPECT_FALSE(checkPassword(legacyHash, legacySalt, "ascolta49").matches);
    EXPECT_FALSE(checkPassword(legacyHash, "", "ascolta48").matches);
}

TEST(LoopbackAddress, OnlyThisMachinePasses)
{
    for (const char *yes : {"127.0.0.1", "127.1.2.3", "::1", "::ffff:127.0.0.1"})
        EXPECT_TRUE(isLoopbackAddress(yes)) << yes;
    for (const char *no : {"10.0.0.1", "128.0.0.1", "::2", "::ffff:10.0.0.1", "0.0.0.0", "", "localhost", "127"})
        EXPECT_FALSE(isLoopbackAddress(no)) << no;
}

TEST(CommandLine, ReadsEveryOption)
{
    const CommandLine c = parseCommandLine({"--base-port", "20000", "--db=/tmp/x.db", "--log", "/tmp/l",
                                            "--site-name", "Radio Uno", "--fault", "2=slow", "--fault=6=refused",
                                            "--slow-ms", "50", "--log-max-bytes", "8192"});
    ASSERT_EQ(c.error, "");
    EXPECT_EQ(c.config.basePort, 20000);
    EXPECT_EQ(c.config.productPort(), 20009);
    EXPECT_EQ(c.config.partnerPort(2), 20012);
    EXPECT_EQ(c.config.databasePath, "/tmp/x.db");
    EXPECT_EQ(c.config.siteName, "Radio Uno");
    EXPECT_EQ(c.config.faults[1], FaultMode::Slow);
    EXPECT_EQ(c.config.faults[5], FaultMode::Refused);
    EXPECT_EQ(c.config.faults[0], FaultMode::None);
    EXPECT_EQ(c.config.slowMs, 50);
    EXPECT_EQ(c.config.logMaxBytes, 8192u);
}

TEST(CommandLine, RefusesWhatItCannotUse)
{
    for (const auto &args : std::vector<std::vector<std::string>>{{"--base-port", "65530"},
                                                                   {"--base-port", "abc"},
                                                                   {"--fault", "7=slow"},
                                                                   {"--fault", "1=sleepy"},
                                                                   {"--fault", "slow"},
                                                                   {"--log"},
                                                                   {"--bogus", "1"},
                                                                   {"stray"}})
        EXPECT_NE(parseCommandLine(args).error, "") << args[0];
    EXPECT_TRUE(parseCommandLine({"--help"}).showHelp);
    const std::string help = helpText();
    for (const char *word : {"--base-port", "--db", "--log", "--site-name", "--fault", "--slow-ms", "refused",
                             "badaccess", "badsponsor", "slow", "garbage", "empty", "error500", "dropstreams"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

double rms(const std::vector<std::int16_t> &samples)
{
    double sum = 0;
    for (const auto s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / double(samples.size())) / 32768.0;
}

TEST(StationSynth, StationsSoundDifferentButEachAlwaysTheSame)
{
    const auto render = [](int id) {
        StationSynth synth(id);
        std::vector<std::int16_t> pcm(StationSynth::sampleRate * 2);
        synth.render(pcm.data(), pcm.size());
        return pcm;
    };
    const auto a = render(3);
    EXPECT_GT(rms(a), 0.03);
    EXPECT_EQ(a, render(3));
    EXPECT_NE(a, render(4));
    EXPECT_NE(StationSynth(3).tempo() * 100 + StationSynth(3).rootNote(),
              StationSynth(9).tempo() * 100 + StationSynth(9).rootNote());
}

// A listener gets a 64 KiB burst on connect and then audio at real time,
// staying as far ahead as the burst put it: real chunks of both formats.
class StreamPacing : public ::testing::TestWithParam<AudioStream::Format>
{
};

TEST_P(StreamPacing, BurstOnConnectThenRealTime)
{
    const std::atomic<bool> stopping{false};
    AudioStream stream(6, GetParam(), stopping);
    StreamPacer pacer(StationSynth::sampleRate);
    std::uint64_t frames = 0;
    std::size_t largestChunk = 0;
    const auto sendWhileDue = [&](double elapsed) {
        std::size_t bytes = 0;
        while (pacer.nextDue().count() <= elapsed) {
            const std::string chunk = stream.nextChunk();
            pacer.sent(AudioStream::chunkFrames, chunk.size());
            frames += AudioStream::chunkFrames;
            bytes += chunk.size();
            largestChunk = std::max(largestChunk, chunk.size());
        }
        return bytes;
    };
    const std::size_t burst = sendWhileDue(0);
    EXPECT_GE(burst, StreamPacer::burstBytes);
    EXPECT_LE(burst, StreamPacer::burstBytes + 2 * largestChunk);
    const double lead = double(frames) / StationSynth::sampleRate;
    const double bytesPerSecond = GetParam() == AudioStream::Format::Mp3 ? 96000 / 8 : 2 * StationSynth::sampleRate;
    EXPECT_NEAR(lead, double(StreamPacer::burstBytes) / bytesPerSecond, 0.5);

    const double chunkSeconds = double(AudioStream::chunkFrames) / StationSynth::sampleRate;
    for (const double elapsed : {0.05, 1.0, 7.3}) {
        sendWhileDue(elapsed);
        const double ahead = double(frames) / StationSynth::sampleRate - elapsed;
        EXPECT_GE(ahead, lead - chunkSeconds) << elapsed;
        EXPECT_LE(ahead, lead + chunkSeconds) << elapsed;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, StreamPacing, ::testing::Values(AudioStream::Format::Mp3, AudioStream::Format::Wav),
                         [](const auto &testCase) { return testCase.param == AudioStream::Format::Mp3 ? "Mp3" : "Wav"; });

TEST(WavHeader, DescribesMono16BitAtTheSampleRate)
{
    const std::string h = wavStreamHeader(44100);
    ASSERT_EQ(h.size(), 44u);
    EXPECT_EQ(h.substr(0, 4), "RIFF");
    EXPECT_EQ(h.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(h.substr(36, 4), "data");
    EXPECT_EQ(static_cast<unsigned char>(h[22]), 1);    // channels
    EXPECT_EQ(static_cast<unsigned char>(h[24]), 0x44); // 44100 = 0xAC44
    EXPECT_EQ(static_cast<unsigned char>(h[25]), 0xac);
    EXPECT_EQ(static_cast<unsigned char>(h[34]), 16);
}

} // namespace
