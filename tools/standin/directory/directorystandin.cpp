#include "directorystandin.h"

#include <chrono>
#include <fstream>
#include <utility>
#include <sstream>

DirectoryStandin::DirectoryStandin(std::map<std::string, std::string> answers, int port)
    : m_answers(std::move(answers))
{
    m_server.Get(".*", [this](const httplib::Request &req, httplib::Response &res) {
        std::lock_guard lock(m_mutex);
        m_requests.push_back({req.target, req.get_header_value("User-Agent")});
        const std::string *best = nullptr;
        std::size_t bestLength = 0;
        for (const auto &[path, body] : m_answers)
            if (req.path.rfind(path, 0) == 0 && path.size() >= bestLength) {
                best = &body;
                bestLength = path.size();
            }
        if (!best) {
            res.status = 404;
            return;
        }
        std::string body = *best;
        for (std::size_t at = body.find("STREAMHOST"); at != std::string::npos; at = body.find("STREAMHOST", at))
            body.replace(at, 10, m_streamHost);
        res.set_content(body, "application/json");
    });
    m_port = port == 0 ? m_server.bind_to_any_port("127.0.0.1") : (m_server.bind_to_port("127.0.0.1", port) ? port : 0);
    if (m_port == 0)
        return;
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    for (int wait = 0; wait < 500 && !m_server.is_running(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

DirectoryStandin::~DirectoryStandin()
{
    m_server.stop();
    if (m_thread.joinable())
        m_thread.join();
}

std::string DirectoryStandin::fileText(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::map<std::string, std::string> DirectoryStandin::recordedAnswers(const std::string &folder)
{
    return {{"/json/stations/topclick", fileText(folder + "/topclick.json")},
            {"/json/stations/lastchange", fileText(folder + "/lastchange.json")},
            {"/json/stations/search", fileText(folder + "/search.json")},
            {"/json/url/", R"({"ok":true,"message":"retrieved station url"})"}};
}

void DirectoryStandin::setAnswers(std::map<std::string, std::string> answers)
{
    std::lock_guard lock(m_mutex);
    m_answers = std::move(answers);
}

void DirectoryStandin::setStreamHost(std::string host)
{
    std::lock_guard lock(m_mutex);
    m_streamHost = std::move(host);
}

std::vector<DirectoryStandin::Request> DirectoryStandin::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}
