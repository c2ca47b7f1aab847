#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

// A small HTTP server on 127.0.0.1 for tests: fixed answers by path, a log
// of the request targets it saw. Runs on its own thread.
class LoopbackServer
{
public:
    LoopbackServer();
    ~LoopbackServer();

    // Serves `body` for GET `path` (path without query) with the content type.
    void serve(const std::string &path, const QByteArray &body,
               const std::string &contentType = "text/html; charset=utf-8");
    int port() const { return m_port; }
    QString url(const std::string &pathAndQuery) const;
    // Targets requested so far, with their raw query.
    std::vector<std::string> requests() const;

private:
    std::unique_ptr<httplib::Server> m_server;
    std::unique_ptr<std::thread> m_thread;
    mutable std::mutex m_mutex;
    std::map<std::string, std::pair<QByteArray, std::string>> m_pages;
    std::vector<std::string> m_requests;
    int m_port = 0;
};
