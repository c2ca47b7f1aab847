#pragma once

#include <httplib.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The station directory on loopback, for tests and for runs that must not
// reach the real one: each path answers a recorded body (the longest path
// that starts the request's path wins), with "STREAMHOST" in it replaced by
// the host the streams are on. It remembers what it was asked.
class DirectoryStandin final
{
public:
    struct Request
    {
        std::string target;
        std::string userAgent;
    };

    // Listens on `port` of 127.0.0.1, any free one for 0; port() is 0
    // when it could not.
    explicit DirectoryStandin(std::map<std::string, std::string> answers, int port = 0);
    ~DirectoryStandin();

    // The answers recorded in a folder: topclick.json, lastchange.json and
    // search.json, and a play count's answer.
    static std::map<std::string, std::string> recordedAnswers(const std::string &folder);
    static std::string fileText(const std::string &path);

    void setAnswers(std::map<std::string, std::string> answers);
    void setStreamHost(std::string host);
    int port() const { return m_port; }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    std::vector<Request> requests() const;

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_answers;
    std::string m_streamHost;
    std::vector<Request> m_requests;
};
