#include "directoryclient.h"

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <random>
#include <set>

namespace {

constexpr const char *CertificateBundle = "/etc/ssl/certs/ca-certificates.crt";
constexpr std::chrono::seconds AnswerTime{60};
constexpr const char *DirectoryName = "all.api.radio-browser.info";

// Known servers, for when the list itself cannot be had.
const std::vector<std::string> &fallbackServers()
{
    static const std::vector<std::string> names = {"de1.api.radio-browser.info", "fi1.api.radio-browser.info",
                                                   "at1.api.radio-browser.info", "nl1.api.radio-browser.info"};
    return names;
}

} // namespace

DirectoryClient::DirectoryClient(std::vector<std::string> servers, std::chrono::seconds readTimeout)
    : m_servers(std::move(servers))
    , m_readTimeout(readTimeout)
{
}

DirectoryClient::Answer DirectoryClient::fetch(const std::string &server, const std::string &target,
                                               std::chrono::seconds readTimeout, std::chrono::seconds timeLimit)
{
    Answer answer;
    httplib::Client client(server);
    if (!client.is_valid()) {
        answer.error = server + ": not an address the service can ask";
        return answer;
    }
    client.set_connection_timeout(5);
    client.set_read_timeout(readTimeout);
    client.set_write_timeout(5);
    client.set_ca_cert_path(CertificateBundle);
    client.enable_server_certificate_verification(true);
    client.set_follow_location(false);
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    bool tooBig = false;
    bool tooSlow = false;
    const auto result = client.Get(
        target, httplib::Headers{{"User-Agent", UserAgent}},
        [](const httplib::Response &) { return true; },
        [&](const char *data, std::size_t length) {
            tooBig = answer.body.size() + length > MaxAnswerBytes;
            tooSlow = std::chrono::steady_clock::now() > deadline;
            if (tooBig || tooSlow)
                return false;
            answer.body.append(data, length);
            return true;
        });
    if (tooBig)
        answer.error = server + ": answer larger than " + std::to_string(MaxAnswerBytes) + " bytes";
    else if (tooSlow)
        answer.error = server + ": answer took longer than " + std::to_string(timeLimit.count()) + " s";
    else if (!result)
        answer.error = server + ": " + httplib::to_string(result.error());
    else if (result->status != 200)
        answer.error = server + ": HTTP status " + std::to_string(result->status);
    if (!answer.error.empty())
        answer.body.clear();
    return answer;
}

DirectoryClient::Answer DirectoryClient::get(const std::string &target)
{
    if (m_servers.empty())
        m_servers = discoverServers();
    Answer answer;
    for (std::size_t tried = 0; tried < m_servers.size(); ++tried) {
        const std::size_t index = (m_current + tried) % m_servers.size();
        answer = fetch(m_servers[index], target, m_readTimeout, AnswerTime);
        if (answer.error.empty()) {
            m_current = index;
            return answer;
        }
    }
    if (m_servers.empty())
        answer.error = "no server of the station directory is known";
    return answer;
}

std::vector<std::string> DirectoryClient::discoverServers()
{
    std::vector<std::string> names;
    const Answer list = fetch(std::string("https://") + DirectoryName, "/json/servers", std::chrono::seconds(15),
                              std::chrono::seconds(20));
    const auto json = nlohmann::json::parse(list.body, nullptr, false);
    std::set<std::string> seen;
    if (list.error.empty() && json.is_array()) {
        for (const auto &server : json) {
            const auto name = server.is_object() ? server.find("name") : server.end();
            if (name != server.end() && name->is_string()) {
                const std::string text = name->get<std::string>();
                if (!text.empty() && text.size() < 100
                    && text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-") == std::string::npos
                    && seen.insert(text).second)
                    names.push_back(text);
            }
        }
    }
    if (names.empty())
        names = fallbackServers();
    std::shuffle(names.begin(), names.end(), std::mt19937(std::random_device{}()));
    std::vector<std::string> servers;
    for (const std::string &name : names)
        servers.push_back("https://" + name);
    return servers;
}
