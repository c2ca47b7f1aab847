#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

// Asks the station directory, one of its servers after another. Over HTTPS
// the certificate is checked against the system's store; every answer has
// a time limit and a size limit, so a server that never answers, or answers
// without end, costs one import and no more.
class DirectoryClient final
{
public:
    static constexpr std::size_t MaxAnswerBytes = 16u * 1024 * 1024;
    static constexpr const char *UserAgent = "Sonvela/4.8";

    struct Answer
    {
        std::string body;
        std::string error; // empty when the body is a whole 200 answer
    };

    // Each server as "https://host" or "http://host:port". Without servers,
    // the directory's own list is asked for on first use.
    // `readTimeout` bounds each wait for the next bytes of an answer.
    DirectoryClient(std::vector<std::string> servers, std::chrono::seconds readTimeout);

    // Tries the server that answered last, then the others in turn.
    Answer get(const std::string &target);

    // The directory's servers in random order, as its documentation asks;
    // this looks the directory's names up, so only a person's run calls it.
    static std::vector<std::string> discoverServers();

    static Answer fetch(const std::string &server, const std::string &target, std::chrono::seconds readTimeout,
                        std::chrono::seconds timeLimit);

private:
    std::vector<std::string> m_servers;
    std::chrono::seconds m_readTimeout;
    std::size_t m_current = 0;
};
