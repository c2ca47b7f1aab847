// The service fed by the station directory's recorded answers on loopback.
#include "standinfixture.h"

#include "database.h"
#include "directoryanswer.h"
#include "directorystandin.h"
#include "playlistfile.h"
#include "stationimporter.h"

#include "service/linerecords.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QTemporaryDir>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <thread>

namespace {

using Json = nlohmann::json;
const std::string Fixtures = SONVELA_DIRECTORY_FIXTURES;

bool waitFor(const std::function<bool()> &done)
{
    for (int tries = 0; tries < 1500 && !done(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return done();
}

// The directory's streams are this service's own, so the port block is
// chosen before the directory is first asked.
std::unique_ptr<StandinServer> startOn(DirectoryStandin &directory, const std::string &location,
                                       const std::string &database = {})
{
    std::uniform_int_distribution<int> base(20000, 32000);
    std::random_device device;
    for (int attempt = 0; attempt < 40; ++attempt) {
        StandinConfig config;
        config.basePort = base(device);
        config.databasePath = database;
        config.stations = {StationSource::Kind::Directory, location};
        config.directoryReadSeconds = 1;
        directory.setStreamHost("127.0.0.1:" + std::to_string(config.mirrorPort(1)));
        if (auto server = std::make_unique<StandinServer>(config); server->start(nullptr)) {
            EXPECT_TRUE(waitFor([&] { return server->importer().attempts() > 0; }));
            return server;
        }
    }
    ADD_FAILURE() << "no free port block";
    return nullptr;
}

std::string get(const StandinServer &server, const std::string &target)
{
    httplib::Client c("127.0.0.1", server.config().mirrorPort(1));
    c.set_read_timeout(10);
    const auto res = c.Get(target);
    return res ? res->body : "(no answer)";
}

std::string catalogueOf(const StandinServer &server) { return get(server, "/Radio/CaricaDati.asp?id=0&idRadio=0"); }

std::size_t recordCount(const std::string &catalogue)
{
    return readRecords(normaliseCapture(QByteArray::fromStdString(catalogue), false)).size();
}

std::string expectedCatalogue(const StandinServer &server)
{
    std::string text = DirectoryStandin::fileText(Fixtures + "/catalogue.txt");
    text.pop_back();
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char today[16];
    std::strftime(today, sizeof today, "%d/%m/%Y", &tm);
    const std::string host = "127.0.0.1:" + std::to_string(server.config().mirrorPort(1));
    for (const auto &[mark, value] : {std::pair<std::string, std::string>{"MIRROR", host}, {"TODAY", today}})
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    return text;
}

int playReports(const DirectoryStandin &directory, const std::string &uuid)
{
    int count = 0;
    for (const auto &request : directory.requests())
        count += request.target == "/json/url/" + uuid ? 1 : 0;
    return count;
}

TEST(DirectoryStations, RecordedAnswersBecomeTheCatalogueAndThePlayerPlaysTheirStreams)
{
    DirectoryStandin directory(DirectoryStandin::recordedAnswers(Fixtures));
    const auto server = startOn(directory, directory.address());
    ASSERT_TRUE(server);
    EXPECT_EQ(catalogueOf(*server), expectedCatalogue(*server));
    ASSERT_FALSE(directory.requests().empty());
    for (const auto &request : directory.requests())
        EXPECT_EQ(request.userAgent, "Sonvela/4.8") << request.target;

    const Station top = server->database().mostClicked(1).at(0);
    const std::string page = get(*server, "/Radio/mostraRadio.asp?Id=" + std::to_string(top.id));
    EXPECT_EQ(titleOf(page), "RADIO:-" + top.name);
    EXPECT_NE(page.find("src=\"http://127.0.0.1:" + std::to_string(server->config().mirrorPort(1)) + "/stream/1\""),
              std::string::npos);
    for (const std::string &fact : {top.country, top.codec, std::to_string(top.bitrate) + " kbit/s", top.tags})
        EXPECT_NE(page.find(fact), std::string::npos) << fact;
    // One play, one count sent to the directory.
    EXPECT_TRUE(waitFor([&] { return playReports(directory, top.uuid) == 1; }));

    // The station leaves the directory: its id still answers, with the way to the search.
    auto answers = DirectoryStandin::recordedAnswers(Fixtures);
    for (auto &[path, body] : answers)
        for (std::size_t at; (at = body.find(top.uuid)) != std::string::npos;)
            body.replace(at, top.uuid.size(), "0000");
    directory.setAnswers(answers);
    std::string error;
    ASSERT_TRUE(server->importer().importOnce(&error)) << error;
    const std::string gone = get(*server, "/Radio/mostraRadio.asp?Id=" + std::to_string(top.id));
    EXPECT_EQ(titleOf(gone), "Radio non disponibile");
    EXPECT_NE(gone.find("/Radio/ricercaRadio.asp?q="), std::string::npos);
    EXPECT_EQ(catalogueOf(*server).find("?Id=" + std::to_string(top.id) + "<BR>"), std::string::npos);
}

TEST(DirectoryStations, IdsOutliveRefreshesWithStationsAddedRemovedAndReordered)
{
    const auto all = readDirectoryAnswer(DirectoryStandin::fileText(Fixtures + "/search.json")).stations;
    ASSERT_EQ(all.size(), 40u);
    Database database("");
    const auto idsOf = [&database] {
        std::map<std::string, int> ids;
        for (const Station &s : database.stations())
            ids[s.uuid] = s.id;
        return ids;
    };
    database.importStations({all.begin(), all.begin() + 30});
    const auto first = idsOf();
    ASSERT_EQ(first.size(), 30u);
    int highest = 0;
    for (const auto &[uuid, id] : first)
        highest = std::max(highest, id);
    EXPECT_GT(first.begin()->second, 44) << "imported ids stay clear of the seed stations'";

    std::vector<Station> second(all.begin() + 5, all.end());
    std::reverse(second.begin(), second.end());
    database.importStations(second);
    const auto later = idsOf();
    EXPECT_EQ(later.size(), 35u);
    for (const auto &[uuid, id] : later)
        EXPECT_TRUE(first.count(uuid) ? id == first.at(uuid) : id > highest) << "a new id never given before";
    for (auto s = all.begin(); s != all.begin() + 5; ++s)
        EXPECT_FALSE(database.station(first.at(s->uuid)).value().available);
    database.importStations({all.begin(), all.begin() + 30});
    EXPECT_EQ(idsOf(), first);
}

TEST(DirectoryStations, OfflineStartServesTheStoredImportOrSaysTheDirectoryIsMissing)
{
    QTemporaryDir folder;
    const std::string stored = folder.filePath(QStringLiteral("service.sqlite")).toStdString();
    DirectoryStandin directory(DirectoryStandin::recordedAnswers(Fixtures));
    ASSERT_TRUE(startOn(directory, directory.address(), stored));
    const std::string offline = "http://127.0.0.1:1"; // a closed port
    const auto again = startOn(directory, offline, stored);
    ASSERT_TRUE(again);
    EXPECT_EQ(catalogueOf(*again), expectedCatalogue(*again));
    EXPECT_EQ(get(*again, "/Radio/ricercaRadio.asp").find("non è raggiungibile"), std::string::npos);

    const auto fresh = startOn(directory, offline);
    ASSERT_TRUE(fresh);
    EXPECT_NE(catalogueOf(*fresh).find("<BR>Radio Aurora<BR>"), std::string::npos);
    EXPECT_NE(get(*fresh, "/Radio/ricercaRadio.asp").find("non è raggiungibile"), std::string::npos);
}

Json station(const std::string &uuid, const std::string &name, const char *key = "tags", Json value = "evil")
{
    Json s{{"stationuuid", uuid}, {"name", name}, {"url_resolved", "http://127.0.0.1:9/live"}, {"codec", "MP3"},
           {"lastcheckok", 1},    {"hls", 0},     {"clickcount", 1000000},                    {"tags", "evil"}};
    s[key] = std::move(value);
    return s;
}

// A port that takes connections and never says a word.
int silentPort()
{
    static const int port = [] {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr *>(&address), length);
        ::listen(listener, 8);
        ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length);
        return static_cast<int>(ntohs(address.sin_port));
    }();
    return port;
}

struct BadAnswer
{
    const char *what;
    std::string body;
    bool imported;      // whether what is left of it is worth offering
    std::string server; // another server than the directory stand-in
};

TEST(DirectoryStations, BadAnswersKeepTheLastGoodStationsAndThePagesTheirFormats)
{
    DirectoryStandin directory(DirectoryStandin::recordedAnswers(Fixtures));
    const std::string recorded = DirectoryStandin::fileText(Fixtures + "/topclick.json");
    const std::string longName(10000, 'N');
    const std::vector<BadAnswer> answers = {
        {"not JSON", "<html><body>502 Bad Gateway</body></html>", false, {}},
        {"truncated", recorded.substr(0, recorded.size() / 2), false, {}},
        {"50 MB", "[" + std::string(50u * 1024 * 1024, ' ') + "]", false, {}},
        {"an object, not a list", R"({"stations":[]})", false, {}},
        {"missing fields", Json::array({{{"name", "No Uuid"}}, {{"stationuuid", "bbbb"}}}).dump(), false, {}},
        {"only unplayable", Json::array({station("c1", "Evil", "url_resolved", "javascript:alert(1)"),
                                         station("c2", "Evil", "hls", 1),
                                         station("c3", "Evil", "url_resolved", "file:///etc/passwd")}).dump(),
         false, {}},
        {"never answers", {}, false, "http://127.0.0.1:" + std::to_string(silentPort())},
        {"no TLS where TLS was asked for", {}, false, "https://127.0.0.1:" + std::to_string(directory.port())},
        {"hostile texts beside good stations",
         Json::array({station("aaaa-0001", "Evil Good"), station("aaaa-0002", longName),
                      station("aaaa-0003", "Evil\x01\x1b[31m\r\n<BR>Ctrl"),
                      station("aaaa-0004", "Evil <script>alert(1)</script> & \"Co\""),
                      station("aaaa-0005", "Evil Link", "favicon", "javascript:alert(1)"),
                      station("aaaa-0006", "Evil File", "url_resolved", "file:///etc/passwd"),
                      station("AAAA-0001", "Evil Twice")}).dump(),
         true, {}},
    };
    directory.setStreamHost("127.0.0.1:9");
    const auto server = startOn(directory, directory.address());
    ASSERT_TRUE(server);
    const std::string lastGood = catalogueOf(*server);
    ASSERT_EQ(recordCount(lastGood), 124u);

    for (const BadAnswer &bad : answers) {
        directory.setAnswers({{"/json/stations", bad.body}});
        // Never one without a server: it would look the real directory up.
        std::optional<StationImporter> other;
        if (!bad.server.empty())
            other.emplace(server->database(), StationSource{StationSource::Kind::Directory, bad.server}, "",
                          StationImporter::Timing{std::chrono::hours(1), std::chrono::seconds(1)});
        testing::internal::CaptureStderr();
        std::string error;
        const bool imported = (other ? *other : server->importer()).importOnce(&error);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(imported, bad.imported) << bad.what << ": " << error;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), imported ? 0 : 1) << bad.what << ": " << said;
        EXPECT_EQ(recordCount(catalogueOf(*server)), 124u) << bad.what;
        EXPECT_TRUE(imported || catalogueOf(*server) == lastGood) << bad.what;
    }

    // What the hostile answer left: one entry per uuid, texts made harmless.
    const std::string found = get(*server, "/Radio/ricercaRadio.asp?q=evil");
    EXPECT_EQ(server->database().searchCount("evil"), 5) << found;
    for (const std::string &never : {std::string("javascript:"), std::string("file:"), std::string("<script>alert"),
                                     std::string("\x1b"), std::string("Evil Twice"), longName.substr(0, 301)})
        EXPECT_EQ(found.find(never), std::string::npos) << never;
    EXPECT_NE(found.find("Evil &lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;Co&quot;"), std::string::npos);
    for (const Station &s : server->database().search("evil")) {
        EXPECT_EQ(get(*server, "/Radio/mostraRadio.asp?Id=" + std::to_string(s.id)).find("javascript:"),
                  std::string::npos);
        const auto lines = readRecords(QByteArray::fromStdString(
            get(*server, "/Radio/radioPersonale.asp?Id=" + std::to_string(s.id))));
        ASSERT_GE(lines.size(), 43u) << s.name;
        EXPECT_EQ(lines[38].toStdString(), std::to_string(s.id));
    }
}

TEST(StationLists, M3uAndPlsEntriesKeepTheirNamesAndOnlyWebStreamsCount)
{
    using Entries = std::vector<std::pair<std::string, std::string>>; // name, stream
    const std::pair<const char *, Entries> cases[] = {
        {"#EXTM3U\r\n#EXTINF:-1 tvg-logo=\"http://l/a.png\" group-title=\"a,b\",Radio Uno, Roma\r\n"
         "http://a.example/live\r\n#EXTINF:0,\r\nhttps://b.example:8000/x.ogg\r\nfile:///etc/passwd\r\n"
         "http://a.example/live\r\n",
         {{"Radio Uno, Roma", "http://a.example/live"}, {"b.example:8000/x.ogg", "https://b.example:8000/x.ogg"}}},
        {"\xEF\xBB\xBF[playlist]\nFile2=http://b.example/2\nTitle1=Prima\nFile1=http://a.example/1\n"
         "File3=javascript:alert(1)\nNumberOfEntries=3\n",
         {{"Prima", "http://a.example/1"}, {"b.example/2", "http://b.example/2"}}},
        {"plain.example/no-scheme\n#EXTINF:-1,Lost name\n", {}},
    };
    for (const auto &[text, expected] : cases) {
        Entries found;
        for (const Station &s : readPlaylistFile(text))
            found.emplace_back(s.name, s.streamUrl);
        EXPECT_EQ(found, expected) << text;
    }
}

} // namespace
