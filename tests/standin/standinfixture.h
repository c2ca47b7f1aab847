#pragma once

#include "standinserver.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QTemporaryDir>

#include <memory>
#include <string>

// A stand-in started in-process on a free block of loopback ports, shared by
// the tests of one suite.
class StandinFixture : public ::testing::Test
{
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // Starts a stand-in with this configuration on some free port block.
    static std::unique_ptr<StandinServer> startOnFreePorts(StandinConfig config);

protected:
    static StandinServer &server() { return *s_server; }
    static std::unique_ptr<httplib::Client> client(int port);
    static std::unique_ptr<httplib::Client> mirror(int n) { return client(s_server->config().mirrorPort(n)); }
    static std::string logPath();

private:
    static std::unique_ptr<QTemporaryDir> s_dir;
    static std::unique_ptr<StandinServer> s_server;
};

// The text of the page's <title>, with the entities the stand-in writes undone.
std::string titleOf(const std::string &html);
