#include "stationimporter.h"

#include "database.h"
#include "directoryanswer.h"
#include "playlistfile.h"

#include <fstream>
#include <iostream>
#include <set>

namespace {

constexpr std::size_t MaxQueuedPlays = 64;
constexpr std::size_t MaxPlaylistBytes = 4u * 1024 * 1024;

// Most clicked and newest fill the two panels; the wider sets feed the
// search and the full list.
std::vector<std::string> directoryTargets(const std::string &countryCode)
{
    std::vector<std::string> targets = {
        "/json/stations/topclick/100?hidebroken=true",
        "/json/stations/lastchange/100?hidebroken=true",
        "/json/stations/search?order=clickcount&reverse=true&hidebroken=true&limit=3000",
    };
    if (!countryCode.empty())
        targets.push_back("/json/stations/search?countrycode=" + countryCode
                          + "&order=clickcount&reverse=true&hidebroken=true&limit=1000");
    return targets;
}

std::vector<std::string> serversOf(const StationSource &source)
{
    if (source.kind != StationSource::Kind::Directory || source.location.empty())
        return {};
    std::string server = source.location;
    while (!server.empty() && server.back() == '/')
        server.pop_back();
    return {server};
}

} // namespace

StationImporter::StationImporter(Database &database, StationSource source, std::string countryCode,
                                 Timing timing)
    : m_database(database)
    , m_source(std::move(source))
    , m_countryCode(std::move(countryCode))
    , m_refreshEvery(timing.refreshEvery)
    , m_directory(serversOf(m_source), timing.readTimeout)
{
    if (m_source.kind == StationSource::Kind::Seed)
        m_database.offerSeedStations();
}

StationImporter::~StationImporter()
{
    stop();
}

void StationImporter::start()
{
    if (m_source.kind != StationSource::Kind::Seed && !m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void StationImporter::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void StationImporter::reportPlay(const Station &station)
{
    // Only the directory's own stations are counted there.
    if (m_source.kind != StationSource::Kind::Directory || station.uuid.empty()
        || station.uuid.find(':') != std::string::npos)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_plays.size() >= MaxQueuedPlays)
            return;
        m_plays.push_back(station.uuid);
    }
    m_wake.notify_all();
}

void StationImporter::run()
{
    auto nextImport = std::chrono::steady_clock::now();
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (!m_plays.empty()) {
            const std::string uuid = m_plays.front();
            m_plays.pop_front();
            lock.unlock();
            const auto answer = m_directory.get("/json/url/" + uuid);
            if (!answer.error.empty())
                std::cerr << "sonvela-standin: play not counted by the directory: " << answer.error << '\n';
            lock.lock();
            continue;
        }
        if (std::chrono::steady_clock::now() >= nextImport) {
            lock.unlock();
            std::string error;
            importOnce(&error);
            nextImport = std::chrono::steady_clock::now() + m_refreshEvery;
            lock.lock();
            continue;
        }
        m_wake.wait_until(lock, nextImport, [this] { return m_stopping || !m_plays.empty(); });
    }
}

bool StationImporter::importOnce(std::string *error)
{
    std::vector<Station> stations;
    std::string reason;
    const bool read = m_source.kind == StationSource::Kind::Playlist ? importPlaylist(&stations, &reason)
                                                                     : importDirectory(&stations, &reason);
    if (read && stations.empty())
        reason = "no station the service can play";
    const bool ok = read && !stations.empty();
    if (ok) {
        m_database.importStations(stations);
        m_sourceMissing = false;
    } else {
        const bool earlier = m_database.hasImportedStations();
        m_sourceMissing = !earlier;
        std::cerr << "sonvela-standin: station import failed (" << reason << "); "
                  << (earlier ? "keeping the stations of the last import" : "offering the seed stations") << '\n';
    }
    ++m_attempts;
    if (error)
        *error = reason;
    return ok;
}

bool StationImporter::importDirectory(std::vector<Station> *stations, std::string *error)
{
    std::set<std::string> seen;
    for (const std::string &target : directoryTargets(m_countryCode)) {
        const DirectoryClient::Answer answer = m_directory.get(target);
        if (!answer.error.empty()) {
            *error = answer.error;
            return false;
        }
        DirectoryAnswer read = readDirectoryAnswer(answer.body);
        if (!read.error.empty()) {
            *error = target + ": " + read.error;
            return false;
        }
        for (Station &s : read.stations)
            if (seen.insert(s.uuid).second)
                stations->push_back(std::move(s));
    }
    return true;
}

bool StationImporter::importPlaylist(std::vector<Station> *stations, std::string *error)
{
    std::ifstream file(m_source.location, std::ios::binary);
    if (!file) {
        *error = "cannot read " + m_source.location;
        return false;
    }
    std::string text(MaxPlaylistBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > MaxPlaylistBytes) {
        *error = m_source.location + " is larger than " + std::to_string(MaxPlaylistBytes) + " bytes";
        return false;
    }
    *stations = readPlaylistFile(text);
    return true;
}
