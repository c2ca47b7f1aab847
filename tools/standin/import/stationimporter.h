#pragma once

#include "directoryclient.h"
#include "stationsource.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

class Database;
struct Station;

// Keeps the database's stations in step with their source, on a thread of
// its own: at start and then every `refreshEvery`. The pages never wait for
// it; they serve the last good import. A failed import keeps that import,
// or the seed stations when there is none, and says why in one line.
// It also tells the directory of each play, as the directory asks.
class StationImporter final
{
public:
    struct Timing
    {
        std::chrono::seconds refreshEvery{6 * 3600};
        std::chrono::seconds readTimeout{15}; // of each directory answer
    };

    StationImporter(Database &database, StationSource source, std::string countryCode, Timing timing);
    ~StationImporter();
    StationImporter(const StationImporter &) = delete;
    StationImporter &operator=(const StationImporter &) = delete;

    void start();
    void stop();

    // Runs one import now on the calling thread; false with the reason when
    // the stations were kept as they were.
    bool importOnce(std::string *error);

    // Queued: the pages do not wait for the directory.
    void reportPlay(const Station &station);

    // Imports tried so far, and whether the source could not be had while
    // there is no earlier import (so the seed stations stand in).
    int attempts() const { return m_attempts; }
    bool sourceMissing() const { return m_sourceMissing; }
    const StationSource &source() const { return m_source; }

private:
    void run();
    bool importDirectory(std::vector<Station> *stations, std::string *error);
    bool importPlaylist(std::vector<Station> *stations, std::string *error);

    Database &m_database;
    StationSource m_source;
    std::string m_countryCode;
    std::chrono::seconds m_refreshEvery;
    DirectoryClient m_directory;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::string> m_plays;
    bool m_stopping = false;
    std::thread m_thread;
    std::atomic<int> m_attempts{0};
    std::atomic<bool> m_sourceMissing{false};
};
