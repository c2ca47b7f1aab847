#include "standinserver.h"

#include "database.h"
#include "faultgate.h"
#include "html.h"
#include "loopbackaddress.h"
#include "queryvalues.h"
#include "requestlog.h"
#include "routes.h"
#include "servicecontext.h"
#include "sitelistener.h"
#include "stationimporter.h"

#include <httplib.h>

#include <chrono>
#include <iostream>
#include <thread>

namespace {

// A mirror's listeners each hold a worker while their stream plays: 64 leave
// pages served beside some fifty of them. Sites carry no streams.
constexpr int MirrorWorkers = 64;
constexpr int SiteWorkers = 16;

void notFound(const httplib::Request &, httplib::Response &res)
{
    res.set_content(htmlPage("Pagina non trovata", "<h1>Pagina non trovata</h1>"
                                                   "<p class=\"muted\">L'indirizzo richiesto non esiste.</p>"),
                    htmlType);
}

// Every site answers errors with a page and logs each request.
void addCommon(httplib::Server &server, RequestLog *log, int port)
{
    const httplib::Server::HandlerWithResponse onError = [](const httplib::Request &req, httplib::Response &res) {
        if (!res.body.empty() || res.status != 404)
            return httplib::Server::HandlerResponse::Unhandled;
        notFound(req, res);
        return httplib::Server::HandlerResponse::Handled;
    };
    server.set_error_handler(onError);
    server.set_exception_handler([](const httplib::Request &req, httplib::Response &res, std::exception_ptr ep) {
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception &e) {
            std::cerr << "sonvela-standin: " << req.path << ": " << e.what() << '\n';
        } catch (...) {
            std::cerr << "sonvela-standin: " << req.path << ": unknown error\n";
        }
        res.status = 500;
        res.set_content(htmlPage("Errore", "<h1>Errore interno</h1>"), htmlType);
    });
    // Logged as the answer starts rather than once it is sent: a stream never
    // ends while its listener stays, and its request belongs in the log now.
    if (log)
        server.set_post_routing_handler([log, port](const httplib::Request &req, httplib::Response &res) {
            log->record(port, req.method, req.target, res.status);
        });
}

std::string faultSummary(const StandinServer &server)
{
    std::string text;
    for (int m = 1; m <= FaultTable::mirrorCount; ++m)
        text += "mirror " + std::to_string(m) + " (port " + std::to_string(server.config().mirrorPort(m))
                + "): " + std::string(faultModeName(server.fault(m))) + "\n";
    return text;
}

std::string modeList()
{
    std::string list;
    for (const FaultMode mode : allFaultModes())
        list += " " + std::string(faultModeName(mode));
    return list;
}

// "/admin/fault?mirror=N&mode=MODE" (GET, or POST with a form body); without
// parameters it lists every mirror's fault.
void addAdmin(httplib::Server &server, StandinServer &standin)
{
    const auto handler = [&standin](const httplib::Request &req, httplib::Response &res) {
        // The stand-in may be told to listen on every address; its faults
        // are still for this machine's tests alone.
        if (!isLoopbackAddress(req.remote_addr)) {
            res.status = 403;
            res.set_content("the admin endpoint answers 127.0.0.1 only\n", "text/plain; charset=utf-8");
            return;
        }
        const QueryValues query(rawQuery(req));
        const auto param = [&](const char *key) {
            return query.has(key) ? query.value(key) : req.get_param_value(key);
        };
        const std::string mirrorText = param("mirror");
        const std::string modeText = param("mode");
        if (mirrorText.empty() && modeText.empty()) {
            res.set_content(faultSummary(standin), "text/plain; charset=utf-8");
            return;
        }
        const auto mirror = parsePositiveId(mirrorText);
        const auto mode = parseFaultMode(modeText);
        std::string error;
        if (!mirror || *mirror > FaultTable::mirrorCount)
            error = "mirror must be 1 to 6";
        else if (!mode)
            error = "unknown mode \"" + modeText + "\"; modes:" + modeList();
        else
            standin.setFault(*mirror, *mode, &error);
        if (!error.empty()) {
            res.status = 400;
            res.set_content(error + "\n", "text/plain; charset=utf-8");
            return;
        }
        res.set_content(faultSummary(standin), "text/plain; charset=utf-8");
    };
    server.Get("/admin/fault", handler);
    server.Post("/admin/fault", handler);
}

} // namespace

StandinServer::StandinServer(StandinConfig config)
    : m_config(std::move(config))
{
    for (int m = 1; m <= FaultTable::mirrorCount; ++m)
        m_faults.set(m, m_config.faults[static_cast<std::size_t>(m - 1)]);
}

StandinServer::~StandinServer()
{
    stop();
}

Database &StandinServer::database()
{
    return *m_database;
}

StationImporter &StandinServer::importer()
{
    return *m_importer;
}

void StandinServer::addMirror(int mirror)
{
    const int port = m_config.mirrorPort(mirror);
    m_mirrors.push_back(std::make_unique<SiteListener>(
        m_config.host, port, MirrorWorkers, [this, mirror, port](httplib::Server &server, const std::atomic<bool> &closing) {
            addCommon(server, m_log.get(), port);
            addFaultGate(server, *m_context, mirror, closing);
            addServicePages(server, *m_context);
            addAccountPages(server, *m_context);
            addBrowsePages(server, *m_context);
            addStreamRoutes(server, *m_context, mirror, closing);
        }));
}

void StandinServer::addSite(int port, SiteKind kind, int partner)
{
    m_sites.push_back(std::make_unique<SiteListener>(
        m_config.host, port, SiteWorkers, [this, port, kind, partner](httplib::Server &server, const std::atomic<bool> &) {
            addCommon(server, m_log.get(), port);
            switch (kind) {
            case SiteKind::Product:
                addProductPages(server, *m_context);
                addAdmin(server, *this);
                break;
            case SiteKind::Maker:
                addMakerPages(server, *m_context);
                break;
            case SiteKind::Partner:
                addPartnerPages(server, *m_context, partner);
                break;
            }
        }));
}

bool StandinServer::start(std::string *error)
{
    std::lock_guard lock(m_mutex);
    if (m_running)
        return true;
    try {
        m_database = std::make_unique<Database>(m_config.databasePath);
    } catch (const DatabaseError &e) {
        if (error)
            *error = e.what();
        return false;
    }
    if (!m_config.logPath.empty()) {
        m_log = std::make_unique<RequestLog>(m_config.logPath, m_config.logMaxBytes);
        if (!m_log->isOpen()) {
            if (error)
                *error = "cannot open the log file " + m_config.logPath;
            m_log.reset();
            m_database.reset();
            return false;
        }
    }
    const StationImporter::Timing timing{std::chrono::minutes(m_config.refreshMinutes),
                                         std::chrono::seconds(m_config.directoryReadSeconds)};
    m_importer = std::make_unique<StationImporter>(*m_database, m_config.stations, m_config.countryCode, timing);
    m_context = std::make_unique<ServiceContext>(*m_database, m_config, m_faults);
    m_context->importer = m_importer.get();
    for (int m = 1; m <= FaultTable::mirrorCount; ++m)
        addMirror(m);
    addSite(m_config.productPort(), SiteKind::Product, 0);
    addSite(m_config.makerPort(), SiteKind::Maker, 0);
    addSite(m_config.partnerPort(1), SiteKind::Partner, 1);
    addSite(m_config.partnerPort(2), SiteKind::Partner, 2);

    bool ok = true;
    for (std::size_t i = 0; ok && i < m_mirrors.size(); ++i)
        if (m_faults.get(static_cast<int>(i) + 1) != FaultMode::Refused)
            ok = m_mirrors[i]->open(error);
    for (std::size_t i = 0; ok && i < m_sites.size(); ++i)
        ok = m_sites[i]->open(error);
    m_running = true;
    if (!ok)
        stopLocked();
    else
        m_importer->start();
    return ok;
}

void StandinServer::stop()
{
    // An admin request waiting for the lock must not hold up the product
    // site's close, which waits for that very request.
    m_stopping = true;
    std::lock_guard lock(m_mutex);
    stopLocked();
    m_stopping = false;
}

void StandinServer::stopLocked()
{
    if (!m_running)
        return;
    for (auto &site : m_sites)
        site->close();
    for (auto &mirror : m_mirrors)
        mirror->close();
    m_sites.clear();
    m_mirrors.clear();
    m_importer->stop();
    m_context.reset();
    m_importer.reset();
    m_log.reset();
    m_database.reset();
    m_running = false;
}

bool StandinServer::setFault(int mirror, FaultMode mode, std::string *error)
{
    std::unique_lock lock(m_mutex, std::defer_lock);
    while (!lock.try_lock()) {
        if (m_stopping) {
            if (error)
                *error = "the stand-in is stopping";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!m_faults.set(mirror, mode)) {
        if (error)
            *error = "mirror must be 1 to 6";
        return false;
    }
    if (!m_running)
        return true;
    SiteListener &listener = *m_mirrors[static_cast<std::size_t>(mirror - 1)];
    if (mode == FaultMode::Refused) {
        listener.close();
        return true;
    }
    return listener.open(error);
}

FaultMode StandinServer::fault(int mirror) const
{
    return m_faults.get(mirror);
}

int StandinServer::activeStreams() const
{
    std::lock_guard lock(m_mutex);
    return m_context ? m_context->activeStreams.load() : 0;
}

int StandinServer::stationsOnAir() const
{
    std::lock_guard lock(m_mutex);
    return m_context ? m_context->broadcasts.onAir() : 0;
}
