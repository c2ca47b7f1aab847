#pragma once

#include "faulttable.h"
#include "standinconfig.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class Database;
class RequestLog;
class SiteListener;
class StationImporter;
struct ServiceContext;

// The whole stand-in service: six mirrors serving the same pages from one
// database, the product's and maker's sites and two partner sites, each on
// its own port of a block on the loopback address.
class StandinServer final
{
public:
    explicit StandinServer(StandinConfig config);
    ~StandinServer();
    StandinServer(const StandinServer &) = delete;
    StandinServer &operator=(const StandinServer &) = delete;

    // Opens every port; on failure nothing stays open and the reason is given.
    bool start(std::string *error);
    void stop();

    // Takes effect at once: "refused" closes the mirror's port, any other
    // mode opens it again. False, with a reason, for a bad mirror number or a
    // port that cannot be opened again.
    bool setFault(int mirror, FaultMode mode, std::string *error);
    FaultMode fault(int mirror) const;

    int activeStreams() const;
    // Stations being encoded for at least one listener.
    int stationsOnAir() const;
    const StandinConfig &config() const { return m_config; }
    Database &database();
    StationImporter &importer();

private:
    void addMirror(int mirror);
    enum class SiteKind { Product, Maker, Partner };
    void addSite(int port, SiteKind kind, int partner);
    void stopLocked();

    StandinConfig m_config;
    FaultTable m_faults;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<RequestLog> m_log;
    std::unique_ptr<StationImporter> m_importer;
    std::unique_ptr<ServiceContext> m_context;
    std::vector<std::unique_ptr<SiteListener>> m_mirrors;
    std::vector<std::unique_ptr<SiteListener>> m_sites;
    mutable std::mutex m_mutex;
    bool m_running = false;
    std::atomic<bool> m_stopping{false};
};
