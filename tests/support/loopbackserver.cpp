#include "loopbackserver.h"

#include <httplib.h>

#include <thread>

LoopbackServer::LoopbackServer() : m_server(std::make_unique<httplib::Server>())
{
    m_server->Get(".*", [this](const httplib::Request &request, httplib::Response &response) {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request.target);
        const auto page = m_pages.find(request.path);
        if (page == m_pages.end()) {
            response.status = 404;
            response.set_content("<html><head><title>404</title></head></html>", "text/html");
            return;
        }
        response.set_content(page->second.first.constData(), static_cast<std::size_t>(page->second.first.size()),
                             page->second.second.c_str());
    });
    m_port = m_server->bind_to_any_port("127.0.0.1");
    m_thread = std::make_unique<std::thread>([this] { m_server->listen_after_bind(); });
    // listen_after_bind sets the running flag from its thread; wait for it.
    for (int i = 0; i < 500 && !m_server->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

LoopbackServer::~LoopbackServer()
{
    m_server->stop();
    m_thread->join();
}

void LoopbackServer::serve(const std::string &path, const QByteArray &body, const std::string &contentType)
{
    std::lock_guard lock(m_mutex);
    m_pages[path] = {body, contentType};
}

QString LoopbackServer::url(const std::string &pathAndQuery) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QString::fromStdString(pathAndQuery));
}

std::vector<std::string> LoopbackServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}
