#include "sitelistener.h"

#include "tolerantserver.h"

#include <httplib.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/socket.h>

SiteListener::SiteListener(std::string host, int port, int workers, Setup setup)
    : m_host(std::move(host))
    , m_port(port)
    , m_workers(workers)
    , m_setup(std::move(setup))
{
}

SiteListener::~SiteListener()
{
    close();
}

bool SiteListener::open(std::string *error)
{
    if (m_server)
        return true;
    m_closing = std::make_shared<std::atomic<bool>>(false);
    auto server = std::make_unique<TolerantServer>();
    server->new_task_queue = [workers = m_workers] { return new httplib::ThreadPool(static_cast<std::size_t>(workers)); };
    server->set_keep_alive_timeout(2);
    server->set_read_timeout(5);
    server->set_write_timeout(5);
    // Forms are all a body ever carries here.
    server->set_payload_max_length(1024 * 1024);
    m_setup(*server, *m_closing);
    // httplib's default lets a second process listen on the same port and the
    // kernel then splits the connections between the two: a stand-in that is
    // already running must make this one fail instead. Only a port left in
    // TIME_WAIT may be taken again.
    server->set_socket_options([](socket_t sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    if (!server->bind_to_port(m_host, m_port)) {
        if (error)
            *error = "cannot listen on " + m_host + ":" + std::to_string(m_port) + ": " + std::strerror(errno);
        return false;
    }
    server->widenBacklog();
    m_server = std::move(server);
    m_thread = std::thread([server = m_server.get()] { server->listen_after_bind(); });
    // httplib's stop() does nothing until the listening loop runs, and a
    // close() that came before would then wait for ever.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!m_server->is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void SiteListener::close()
{
    if (!m_server)
        return;
    m_closing->store(true);
    m_server->stop();
    if (m_thread.joinable())
        m_thread.join();
    m_server.reset();
}
