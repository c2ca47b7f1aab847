#include <gtest/gtest.h>

#include "standinfixture.h"

#include <random>
#include <regex>

std::unique_ptr<QTemporaryDir> StandinFixture::s_dir;
std::unique_ptr<StandinServer> StandinFixture::s_server;

std::unique_ptr<StandinServer> StandinFixture::startOnFreePorts(StandinConfig config)
{
    std::random_device device;
    // Below the kernel's ephemeral range, where outgoing connections take their ports.
    std::uniform_int_distribution<int> base(20000, 32000);
    std::string error;
    for (int attempt = 0; attempt < 40; ++attempt) {
        config.basePort = base(device);
        auto server = std::make_unique<StandinServer>(config);
        if (server->start(&error))
            return server;
    }
    ADD_FAILURE() << "no free port block: " << error;
    return nullptr;
}

void StandinFixture::SetUpTestSuite()
{
    s_dir = std::make_unique<QTemporaryDir>();
    StandinConfig config;
    config.logPath = s_dir->filePath(QStringLiteral("requests.log")).toStdString();
    config.slowMs = 400;
    s_server = startOnFreePorts(config);
    ASSERT_NE(s_server, nullptr);
}

void StandinFixture::TearDownTestSuite()
{
    s_server.reset();
    s_dir.reset();
}

std::unique_ptr<httplib::Client> StandinFixture::client(int port)
{
    auto c = std::make_unique<httplib::Client>("127.0.0.1", port);
    c->set_connection_timeout(3);
    c->set_read_timeout(15);
    c->set_write_timeout(5);
    // Targets go out exactly as written, as the client's addresses do.
    c->set_url_encode(false);
    return c;
}

std::string StandinFixture::logPath()
{
    return s_server->config().logPath;
}

std::string titleOf(const std::string &html)
{
    static const std::regex title("<title>([^<]*)</title>");
    std::smatch m;
    if (!std::regex_search(html, m, title))
        return "(no title)";
    std::string text = m[1];
    for (const auto &[entity, c] : {std::pair<std::string, std::string>{"&lt;", "<"}, {"&gt;", ">"},
                                    {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}}) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + c.size()))
            text.replace(at, entity.size(), c);
    }
    return text;
}
