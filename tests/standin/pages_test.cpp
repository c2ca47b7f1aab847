// Every page the client reads, asked over HTTP of a stand-in started here.
#include "standinfixture.h"

#include "database.h"
#include "queryvalues.h"
#include "seeddata.h"

#include "service/linerecords.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <fstream>
#include <thread>

namespace {

using Pages = StandinFixture;

std::vector<std::string> capturedRecords(const std::string &body, bool skipHeader)
{
    std::vector<std::string> out;
    for (const QByteArray &r : readRecords(normaliseCapture(QByteArray::fromStdString(body), skipHeader)))
        out.push_back(r.toStdString());
    return out;
}

std::string get(httplib::Client &c, const std::string &target, int expectedStatus = 200)
{
    const auto res = c.Get(target);
    if (!res) {
        ADD_FAILURE() << target << ": no answer";
        return {};
    }
    EXPECT_EQ(res->status, expectedStatus) << target;
    return res->body;
}

TEST_F(Pages, AccessPageSaysAccessoOkInUtf8)
{
    const auto res = mirror(1)->Get("/radio/AccessoSonvela.asp?versione=4.8&Personalizzazione=0&Radio=0");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(titleOf(res->body), "accessoOK");
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_NE(res->body.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(res->body.find("Sonvela"), std::string::npos);
}

TEST_F(Pages, EveryMirrorServesTheSameCatalogueOf124Records)
{
    const std::string one = get(*mirror(1), "/Radio/CaricaDati.asp?id=0&idRadio=0");
    const auto records = capturedRecords(one, false);
    ASSERT_EQ(records.size(), 124u);
    const auto top = server().database().mostClicked(15);
    const auto fresh = server().database().newest(15);
    EXPECT_EQ(records[1], top.front().name); // slot 15, the top entry, comes first
    EXPECT_EQ(records[57], top.back().name); // slot 1
    EXPECT_EQ(records[61], fresh.front().name);
    EXPECT_EQ(records[117], fresh.back().name);
    EXPECT_EQ(records[0], "http://127.0.0.1:" + std::to_string(server().config().mirrorPort(1))
                              + "/Radio/mostraRadio.asp?Id=" + std::to_string(top.front().id));
    EXPECT_GT(records[120].size(), 2u);
    EXPECT_GT(records[122].size(), 2u);
    EXPECT_EQ(get(*mirror(1), records[123].substr(records[123].find("/Radio/")), 200).empty(), false);

    const std::string six = get(*mirror(6), "/Radio/CaricaDati.asp?id=0&idRadio=0");
    const auto sixRecords = capturedRecords(six, false);
    ASSERT_EQ(sixRecords.size(), 124u);
    EXPECT_EQ(sixRecords[1], records[1]);
}

TEST_F(Pages, CatalogueCarriesTheAwkwardNamesIntact)
{
    const std::string body = get(*mirror(2), "/Radio/CaricaDati.asp?id=0&idRadio=0");
    const auto records = capturedRecords(body, false);
    ASSERT_EQ(records.size(), 124u);
    const auto has = [&](const std::string &name) {
        return std::find(records.begin(), records.end(), name) != records.end();
    };
    EXPECT_TRUE(has("Rock & Blues Network"));
    EXPECT_TRUE(has("Canale #1 Hits"));
    EXPECT_TRUE(has(SeedData::stations().back().name));
    EXPECT_GT(SeedData::stations().back().name.size(), 127u);
}

TEST_F(Pages, PlayerPageNamesTheStationAndPlaysItsStream)
{
    const std::string body = get(*mirror(3), "/Radio/mostraRadio.asp?Id=4");
    EXPECT_EQ(titleOf(body), "RADIO:-Rock & Blues Network");
    EXPECT_NE(body.find("<audio id=\"player\" autoplay"), std::string::npos);
    EXPECT_NE(body.find("src=\"/stream/4\""), std::string::npos);
}

TEST_F(Pages, SlowStationSaysCaricamentoOnlyOnItsFirstLoadOfTheMinute)
{
    const std::string target = "/Radio/mostraRadio.asp?Id=" + std::to_string(SeedData::slowStationId);
    // Nothing loaded this station before in this server's life.
    EXPECT_EQ(titleOf(get(*mirror(1), target)), "caricamento");
    // A minute may turn between two loads and give one more "caricamento",
    // never two in a row.
    std::string title = titleOf(get(*mirror(2), target));
    if (title == "caricamento")
        title = titleOf(get(*mirror(2), target));
    EXPECT_EQ(title, "RADIO:-Notturno Italiano");
}

TEST_F(Pages, SponsorAndSidePagesAnswerOnEveryPathSpelling)
{
    for (const char *path : {"/Radio/radio.asp?dettaglio=0&Radio=0", "/Radio/hot/sponsor.asp?dettaglio=0&Radio=0",
                             "/Radio/Hot/sponsor.asp"})
        EXPECT_EQ(titleOf(get(*mirror(4), path)), "sponsor") << path;
    for (const char *path : {"/Radio/SponsorAggiuntivi.asp", "/Radio/hot/SponsorAggiuntivi.asp",
                             "/Radio/Hot/SponsorAggiuntivi.asp", "/Radio/hot/default.asp", "/Radio/ricercaRadio.asp",
                             "/Radio/elencoAltre.asp", "/radio/SegnalaIndirizzo.asp", "/radio/GoogleFinder.htm"})
        EXPECT_NE(titleOf(get(*mirror(4), path)), "(no title)") << path;
    // Paths are matched with their case.
    get(*mirror(4), "/radio/CaricaDati.asp", 404);
    get(*mirror(4), "/Radio/accessoSonvela.asp", 404);
}

TEST_F(Pages, SearchAndFullListLinkToPlayerPages)
{
    const std::string found = get(*mirror(1), "/Radio/ricercaRadio.asp?q=jazz+caf%C3%A9");
    EXPECT_NE(found.find("/Radio/mostraRadio.asp?Id=6"), std::string::npos);
    const std::string all = get(*mirror(1), "/Radio/elencoAltre.asp");
    for (int id : {1, 22, 44})
        EXPECT_NE(all.find("/Radio/mostraRadio.asp?Id=" + std::to_string(id) + "\""), std::string::npos) << id;
    const std::string strip = get(*mirror(1), "/radio/GoogleFinder.htm?q=Porto");
    EXPECT_NE(strip.find("/Radio/mostraRadio.asp?Id=40"), std::string::npos);
}

// The chart shows in a tab beside the player: its links describe a station
// and say how to play it, with no audio of their own.
TEST_F(Pages, ChartLinksDescribeStationsWithoutPlayingThem)
{
    const std::string chart = get(*mirror(2), "/Radio/classifica.asp");
    EXPECT_EQ(chart.find("mostraRadio.asp"), std::string::npos);
    EXPECT_NE(chart.find("/Radio/schedaRadio.asp?Id=6\""), std::string::npos);
    const std::string page = get(*mirror(2), "/Radio/schedaRadio.asp?Id=6");
    EXPECT_NE(page.find("Jazz Caf"), std::string::npos);
    EXPECT_NE(page.find("Per ascoltarla"), std::string::npos);
    EXPECT_EQ(page.find("<audio"), std::string::npos);
    EXPECT_EQ(page.find("/stream/"), std::string::npos);
    get(*mirror(2), "/Radio/schedaRadio.asp?Id=abc", 404);
}

TEST_F(Pages, NewsletterStoresAPlausibleAddressOnly)
{
    get(*mirror(1), "/radio/SegnalaIndirizzo.asp?email=ascolto%2Bnews%40example.it");
    EXPECT_TRUE(server().database().hasNewsletterAddress("ascolto+news@example.it"));
    for (const char *bad : {"no-at-sign", "@example.it", "a@", "a+b%20c@example.it"}) {
        get(*mirror(1), std::string("/radio/SegnalaIndirizzo.asp?email=") + bad);
        EXPECT_FALSE(server().database().hasNewsletterAddress(percentDecode(bad, QueryValues::Plus::Space))) << bad;
    }
}

TEST_F(Pages, DemoUserPreferencesAre53LinesAfterTheTitle)
{
    const std::string body = get(*mirror(1), "/radio/Personalizzazioni.asp?IdUtente=1001");
    const auto lines = capturedRecords(body, true);
    ASSERT_GE(lines.size(), 53u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 53), SeedData::demoOptions());
    EXPECT_EQ(lines[1], "SI");
    EXPECT_EQ(lines[52], "1");
    // An unknown or malformed user gets an empty options file.
    for (const char *id : {"999", "abc", "", "-1"})
        EXPECT_TRUE(capturedRecords(get(*mirror(1), std::string("/radio/Personalizzazioni.asp?IdUtente=") + id),
                                    true)
                        .empty())
            << id;
}

TEST_F(Pages, UploadReplacesOnSiAppendsOnNoAndKeepsEveryCharacter)
{
    const int user = server().database().addUser("upload@test.local", "pw");
    const std::string base = "/Radio/settaimpostazioni.asp?idutente=" + std::to_string(user);
    get(*mirror(1), base + "&primo=SI&valore=SI%3CBR%3ENO%3CBR%3E12%3CBR%3ECanale%20%231%20Hits");
    get(*mirror(2), base + "&primo=NO&valore=Rock%20%20Roll%3CBR%3E1+1%3CBR%3E");
    get(*mirror(3), base + "&primo=NO&valore=Citt%C3%A0%3CBR%3EChi sei?");
    const auto lines = capturedRecords(get(*mirror(4), "/radio/Personalizzazioni.asp?IdUtente=" + std::to_string(user)),
                                       true);
    const std::vector<std::string> expected = {"SI",         "NO",  "12", "Canale #1 Hits", "Rock  Roll",
                                               "1+1",        "",    "Città", "Chi sei?"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9), expected);

    get(*mirror(5), base + "&primo=SI&valore=NO");
    EXPECT_EQ(server().database().options(user), std::vector<std::string>{"NO"});
}

TEST_F(Pages, UploadRefusesWhatItCannotStore)
{
    const std::string demo = "/Radio/settaimpostazioni.asp?idutente=1001";
    get(*mirror(1), "/Radio/settaimpostazioni.asp?idutente=999&primo=SI&valore=x", 404);
    get(*mirror(1), "/Radio/settaimpostazioni.asp?primo=SI&valore=x", 404);
    get(*mirror(1), demo + "&primo=FORSE&valore=x", 400);
    get(*mirror(1), demo + "&primo=NO", 400);
    EXPECT_EQ(server().database().options(1001), SeedData::demoOptions());

    const int user = server().database().addUser("flood@test.local", "pw");
    const auto values = [](int count) {
        std::string text = "v";
        for (int i = 1; i < count; ++i)
            text += "%3CBR%3Ev";
        return text;
    };
    const std::string flood = "/Radio/settaimpostazioni.asp?idutente=" + std::to_string(user);
    get(*mirror(1), flood + "&primo=SI&valore=" + values(500));
    get(*mirror(1), flood + "&primo=NO&valore=" + values(Database::MaxOptionValues - 500));
    get(*mirror(1), flood + "&primo=NO&valore=one-too-many", 413);
    EXPECT_EQ(server().database().options(user).size(), std::size_t(Database::MaxOptionValues));
}

TEST_F(Pages, LoginAnswersKoOrTheUserId)
{
    EXPECT_EQ(titleOf(get(*mirror(1), "/Radio/VerificaPsw.asp?Utente=demo@sonvela.local&Psw=ascolta48")), "1001");
    EXPECT_EQ(titleOf(get(*mirror(1), "/Radio/VerificaPsw.asp?Utente=DEMO@Sonvela.local&Psw=ascolta48")), "1001");
    for (const char *query : {"Utente=demo@sonvela.local&Psw=wrong", "Utente=demo@sonvela.local&Psw=",
                              "Utente=nobody@sonvela.local&Psw=ascolta48", "Utente=&Psw=ascolta48", ""}) {
        const std::string body = get(*mirror(1), std::string("/Radio/VerificaPsw.asp?") + query);
        EXPECT_EQ(titleOf(body), "KO") << query;
        EXPECT_NE(body.find("<p>"), std::string::npos) << "the page explains the refusal";
    }
}

TEST_F(Pages, APasswordWithAPlusSignIsNotReadAsASpace)
{
    const int user = server().database().addUser("plus+tag@test.local", "a+b c");
    EXPECT_EQ(titleOf(get(*mirror(1), "/Radio/VerificaPsw.asp?Utente=plus+tag@test.local&Psw=a+b%20c")),
              std::to_string(user));
}

TEST_F(Pages, PrivacyPageHasATextTitleAndStoresTheChoices)
{
    const std::string base = "/Radio/OpzioniPrivacy.asp?IdUtente=1001&Utente=demo@sonvela.local";
    const std::string page = get(*mirror(1), base);
    EXPECT_EQ(titleOf(page), "Privacy");
    EXPECT_NE(page.find("<form"), std::string::npos);
    get(*mirror(1), base + "&salva=1&newsletter=SI&profilo=SI");
    const PrivacyChoices stored = server().database().privacy(1001);
    EXPECT_TRUE(stored.newsletter);
    EXPECT_FALSE(stored.statistics);
    EXPECT_TRUE(stored.publicProfile);
    // Another user's address cannot change them.
    get(*mirror(1), "/Radio/OpzioniPrivacy.asp?IdUtente=1001&Utente=prova@sonvela.local&salva=1");
    EXPECT_TRUE(server().database().privacy(1001).newsletter);
    EXPECT_EQ(titleOf(get(*mirror(1), "/Radio/OpzioniPrivacy.asp?IdUtente=abc")), "Privacy");
}

TEST_F(Pages, SelectionPickCarriesTheStationOnLines39To43)
{
    const std::string browse = get(*mirror(1), "/Radio/radioPersonale.asp");
    EXPECT_NE(titleOf(browse), "Radio personale - Sonvela");
    EXPECT_NE(browse.find("/Radio/radioPersonale.asp?Id=5\""), std::string::npos);

    const std::string picked = get(*mirror(1), "/Radio/radioPersonale.asp?Id=5");
    EXPECT_EQ(titleOf(picked), "Radio personale - Sonvela");
    const auto lines = readRecords(QByteArray::fromStdString(picked));
    ASSERT_GE(lines.size(), 43u);
    EXPECT_EQ(lines[38], "5");
    EXPECT_EQ(lines[40].toStdString(), "Canale #1 Hits");
    EXPECT_EQ(lines[42].toStdString(), "Canale #1 · hit");

    for (const char *bad : {"0", "999", "x", "-4", "99999999999999"})
        EXPECT_NE(titleOf(get(*mirror(1), std::string("/Radio/radioPersonale.asp?Id=") + bad)),
                  "Radio personale - Sonvela")
            << bad;
}

TEST_F(Pages, NewsSaysNoForTheEmptyCategoryAndShowsItemsElsewhere)
{
    const std::string empty = "/Radio/RssSonvela.asp?IdNotizia=" + std::to_string(SeedData::emptyNewsCategory)
                              + "&TempoRitardo=30";
    EXPECT_EQ(titleOf(get(*mirror(1), empty)), "NO");
    for (int category = 1; category <= SeedData::newsCategoryCount; ++category) {
        if (category == SeedData::emptyNewsCategory)
            continue;
        const std::string body = get(*mirror(2), "/Radio/RssSonvela.asp?IdNotizia=" + std::to_string(category)
                                                     + "&TempoRitardo=45");
        EXPECT_EQ(titleOf(body), SeedData::categoryCaption(category)) << category;
        EXPECT_NE(body.find("45000"), std::string::npos) << "items rotate every TempoRitardo seconds";
    }
    for (const char *bad : {"0", "16", "abc", "", "-1"})
        EXPECT_EQ(titleOf(get(*mirror(1), std::string("/Radio/RssSonvela.asp?IdNotizia=") + bad)), "NO") << bad;
}

TEST_F(Pages, SitePagesAnswerOnTheirOwnPorts)
{
    const auto product = client(server().config().productPort());
    for (const char *path : {"/", "/comunity/randomfacebook.asp", "/plugin/vacanze/", "/plugin/fb/", "/plugin/news/",
                             "/pubblicitasoftware.asp", "/AudioRecording.exe"})
        EXPECT_NE(titleOf(get(*product, path)), "(no title)") << path;
    EXPECT_NE(get(*product, "/AudioRecording.exe").find("Linux"), std::string::npos);
    const auto maker = client(server().config().makerPort());
    EXPECT_EQ(titleOf(get(*maker, "/forum")), "Forum - Velmora");
    get(*maker, "/");
    get(*client(server().config().partnerPort(1)), "/");
    get(*client(server().config().partnerPort(2)), "/");
}

struct BadRequest
{
    const char *target;
    int status;
};

class BadInput : public StandinFixture, public ::testing::WithParamInterface<BadRequest>
{
};

// Each value must give an answer of its own: never a crash, never a 500.
TEST_P(BadInput, GetsASoundAnswer)
{
    const auto res = mirror(1)->Get(GetParam().target);
    ASSERT_TRUE(res) << GetParam().target;
    EXPECT_EQ(res->status, GetParam().status) << GetParam().target;
    EXPECT_EQ(titleOf(mirror(1)->Get("/radio/AccessoSonvela.asp")->body), "accessoOK");
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadInput,
    ::testing::Values(BadRequest{"/Radio/mostraRadio.asp", 404}, BadRequest{"/Radio/mostraRadio.asp?Id=", 404},
                      BadRequest{"/Radio/mostraRadio.asp?Id=abc", 404}, BadRequest{"/Radio/mostraRadio.asp?Id=-7", 404},
                      BadRequest{"/Radio/mostraRadio.asp?Id=99999999999999999999", 404},
                      BadRequest{"/Radio/mostraRadio.asp?Id=4#frag", 200},
                      BadRequest{"/Radio/mostraRadio.asp?Id=4?x=1", 404},
                      BadRequest{"/Radio/mostraRadio.asp?Id=%", 404},
                      BadRequest{"/Radio/ricercaRadio.asp?q=%25%5F%27%22%3C", 200},
                      BadRequest{"/Radio/ricercaRadio.asp?q=\xc3\xa0\xff", 200},
                      BadRequest{"/Radio/ricercaRadio.asp?q=two words", 200},
                      BadRequest{"/Radio/radioPersonale.asp?q=a&Id=", 200},
                      BadRequest{"/Radio/RssSonvela.asp?IdNotizia=1&TempoRitardo=0", 200},
                      BadRequest{"/Radio/RssSonvela.asp?IdNotizia=1&TempoRitardo=-5", 200},
                      BadRequest{"/Radio/RssSonvela.asp?IdNotizia=1&TempoRitardo=99999999999999999999", 200},
                      BadRequest{"/Radio/settaimpostazioni.asp?idutente=1001&primo=SI&valore=%", 200},
                      BadRequest{"/Radio/VerificaPsw.asp?Utente=%00&Psw=%FF", 200},
                      BadRequest{"/radio/SegnalaIndirizzo.asp?email=not-an-address", 200},
                      BadRequest{"/stream/abc", 404}, BadRequest{"/stream/0", 404},
                      BadRequest{"/stream/99999999999", 404}, BadRequest{"/nowhere", 404}));

// The log line is written as the answer starts; the reading side polls for it
// all the same.
std::string waitForLogLine(const std::string &path, const std::string &needle)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(path);
        std::string line;
        while (std::getline(in, line))
            if (line.find(needle) != std::string::npos)
                return line;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

TEST_F(Pages, LogHasOneJsonLinePerRequestWithTheRawQuery)
{
    get(*mirror(2), "/Radio/CaricaDati.asp?id=0&idRadio=0&mark=log%20check");
    get(*mirror(2), "/nowhere?mark=missing", 404);
    const std::string page =
        waitForLogLine(logPath(), "\"path\":\"/Radio/CaricaDati.asp?id=0&idRadio=0&mark=log%20check\"");
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.find("\"port\":" + std::to_string(server().config().mirrorPort(2))), std::string::npos);
    EXPECT_NE(page.find("\"method\":\"GET\""), std::string::npos);
    EXPECT_NE(page.find("\"status\":200"), std::string::npos);
    EXPECT_NE(page.find("\"time\":\""), std::string::npos);
    EXPECT_NE(waitForLogLine(logPath(), "/nowhere?mark=missing").find("\"status\":404"), std::string::npos);

    // A stream is in the log while it plays, not only once its listener leaves.
    std::atomic<bool> listening{true};
    std::thread listener([&listening] {
        mirror(2)->Get("/stream/9?mark=live", [&listening](const char *, std::size_t) { return listening.load(); });
    });
    EXPECT_NE(waitForLogLine(logPath(), "/stream/9?mark=live").find("\"status\":200"), std::string::npos);
    listening = false;
    listener.join();
}

TEST_F(Pages, ASecondStandInOnTheSamePortsFailsInsteadOfSharingThem)
{
    // Two processes on one port would each get some of the client's
    // requests: half a log, and options uploaded to one and read from the other.
    StandinConfig config = server().config();
    config.logPath.clear();
    StandinServer second(config);
    std::string error;
    EXPECT_FALSE(second.start(&error));
    EXPECT_NE(error.find("cannot listen on 127.0.0.1:" + std::to_string(config.mirrorPort(1))), std::string::npos)
        << error;
    get(*mirror(1), "/Radio/CaricaDati.asp?id=0&idRadio=0");
}

// A raw connection, for clients no HTTP library would be.
class RawClient final
{
public:
    explicit RawClient(int port)
        : m_fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval limit{2, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    }
    ~RawClient() { ::close(m_fd); }
    bool connected() const { return m_connected; }
    bool send(const std::string &bytes) { return ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) > 0; }
    // True once the server has closed its side (or reset the connection).
    bool closedByServer()
    {
        char buf[4096];
        const ssize_t n = ::recv(m_fd, buf, sizeof buf, MSG_DONTWAIT);
        return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }

private:
    int m_fd;
    bool m_connected = false;
};

TEST_F(Pages, AHeadOfMegabytesIsCutOffEarly)
{
    RawClient client(server().config().mirrorPort(3));
    ASSERT_TRUE(client.connected());
    const std::string megabyte(1024 * 1024, 'a');
    ASSERT_TRUE(client.send("GET /Radio/CaricaDati.asp?id=" + megabyte));
    int sent = 1;
    // The server stops reading after a bounded head; the kernel's buffers
    // take a few megabytes more, then sending fails.
    while (sent < 64 && client.send(megabyte))
        ++sent;
    EXPECT_LT(sent, 64) << "the server read 64 MB of one request line";
    EXPECT_EQ(titleOf(get(*mirror(3), "/radio/AccessoSonvela.asp")), "accessoOK");
}

TEST_F(Pages, AClientThatNeverEndsItsHeadIsDropped)
{
    RawClient client(server().config().mirrorPort(4));
    ASSERT_TRUE(client.connected());
    ASSERT_TRUE(client.send("GET /radio/AccessoSonvela.asp HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: "));
    // One byte every 200 ms: each read is quick, the head never ends.
    const auto start = std::chrono::steady_clock::now();
    bool closed = false;
    while (!closed && std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        closed = client.closedByServer() || !client.send("x");
    }
    EXPECT_TRUE(closed) << "the head was still being read after 20 s";
}

TEST(StandinDatabase, AFileDatabaseKeepsUploadsAcrossRestarts)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("standin.db")).toStdString();
    {
        Database db(path);
        db.replaceOptions(SeedData::demoUserId, {"kept", "values"});
    }
    Database again(path);
    EXPECT_EQ(again.options(SeedData::demoUserId), (std::vector<std::string>{"kept", "values"}));
    EXPECT_EQ(again.stationCount(), int(SeedData::stations().size())); // seeded once only
}

TEST(StandinDatabase, AnOldPasswordHashLogsInOnceAndIsReplaced)
{
    QTemporaryDir dir;
    StandinConfig config;
    config.databasePath = dir.filePath(QStringLiteral("standin.db")).toStdString();
    Database{config.databasePath}; // seeds the file
    sqlite3 *raw = nullptr;
    ASSERT_EQ(sqlite3_open(config.databasePath.c_str(), &raw), SQLITE_OK);
    const std::string legacy = "UPDATE users SET salt = '5f0c1d2e3a4b5c6d7e8f901a2b3c4d5e', hash = "
                               "'d11a61d943a5d3017fc4f651fd5ed21f36c6485575c9feea0e00fe701e06bf4c' WHERE id = "
                               + std::to_string(SeedData::demoUserId);
    ASSERT_EQ(sqlite3_exec(raw, legacy.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);

    const auto server = StandinFixture::startOnFreePorts(config);
    httplib::Client c("127.0.0.1", server->config().mirrorPort(1));
    const std::string login = "/Radio/VerificaPsw.asp?Utente=demo@sonvela.local&Psw=ascolta48";
    EXPECT_EQ(titleOf(get(c, "/Radio/VerificaPsw.asp?Utente=demo@sonvela.local&Psw=wrong")), "KO");
    EXPECT_EQ(server->database().userById(SeedData::demoUserId)->salt, "5f0c1d2e3a4b5c6d7e8f901a2b3c4d5e")
        << "a failed login changes nothing";
    EXPECT_EQ(titleOf(get(c, login)), std::to_string(SeedData::demoUserId));
    const UserAccount after = *server->database().userById(SeedData::demoUserId);
    EXPECT_EQ(after.salt, "");
    EXPECT_EQ(after.passwordHash.rfind("$argon2id$", 0), 0u) << after.passwordHash;
    EXPECT_EQ(titleOf(get(c, login)), std::to_string(SeedData::demoUserId)) << "the new hash logs in too";
}

TEST(StandinDatabase, SearchTreatsWildcardsAsText)
{
    Database db("");
    EXPECT_TRUE(db.search("%").empty());
    EXPECT_TRUE(db.search("_").empty());
    EXPECT_EQ(db.search("&").size(), 1u);
    EXPECT_EQ(db.search("d'orta").size(), 1u);
}

} // namespace
