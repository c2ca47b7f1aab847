#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

// One port of the stand-in: an HTTP server on its own thread that can be
// closed and opened again (a mirror told to refuse connections).
class SiteListener final
{
public:
    using Setup = std::function<void(httplib::Server &, const std::atomic<bool> &closing)>;

    // `workers` requests are served at once; a stream holds one for as
    // long as it plays.
    SiteListener(std::string host, int port, int workers, Setup setup);
    ~SiteListener();
    SiteListener(const SiteListener &) = delete;
    SiteListener &operator=(const SiteListener &) = delete;

    // Binds the port; false (with a reason) when it is taken.
    bool open(std::string *error);
    // Stops accepting, ends the running streams and waits for the thread.
    void close();
    bool isOpen() const { return m_server != nullptr; }
    int port() const { return m_port; }

private:
    std::string m_host;
    int m_port;
    int m_workers;
    Setup m_setup;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    // Owned apart from the server so that a provider still finishing after
    // close() never reads a freed flag.
    std::shared_ptr<std::atomic<bool>> m_closing;
};
