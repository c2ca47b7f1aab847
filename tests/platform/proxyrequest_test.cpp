#include "platform/desktopstart.h"
#include "platform/httphead.h"
#include "platform/proxyrequest.h"
#include "platform/relayroute.h"

#include <gtest/gtest.h>

#include <string>

namespace {

QByteArray firstLine(const QByteArray &head)
{
    return head.left(head.indexOf("\r\n"));
}

struct EndpointCase
{
    const char *text;
    bool valid;
    const char *host;
    quint16 port;
};

class EndpointText : public ::testing::TestWithParam<EndpointCase>
{
};

TEST_P(EndpointText, ParsesAddressAndPort)
{
    const EndpointCase &c = GetParam();
    const auto endpoint = RelayEndpoint::fromText(QString::fromLatin1(c.text));
    ASSERT_EQ(endpoint.has_value(), c.valid) << c.text;
    if (c.valid) {
        EXPECT_EQ(endpoint->host, QString::fromLatin1(c.host));
        EXPECT_EQ(endpoint->port, c.port);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EndpointText,
    ::testing::Values(EndpointCase{"192.168.1.5:8080", true, "192.168.1.5", 8080},
                      EndpointCase{" proxy.lan:3128 ", true, "proxy.lan", 3128},
                      EndpointCase{"10.0.0.1 : 8080", true, "10.0.0.1", 8080},
                      EndpointCase{"[::1]:8080", true, "::1", 8080},
                      EndpointCase{"h:65535", true, "h", 65535},
                      // Each of these once reached the session as a usable proxy.
                      EndpointCase{"h", false, "", 0}, EndpointCase{"h:", false, "", 0},
                      EndpointCase{"h:abc", false, "", 0}, EndpointCase{"h:0", false, "", 0},
                      EndpointCase{"h:65536", false, "", 0}, EndpointCase{"h:+80", false, "", 0},
                      EndpointCase{"h:8 0", false, "", 0}, EndpointCase{":8080", false, "", 0},
                      EndpointCase{"::1:8080", false, "", 0}, EndpointCase{"", false, "", 0}));

TEST(RelayRoute, LoopbackAndBypassedTargetsGoDirect)
{
    RelayRoute route;
    const RelayEndpoint remote{QStringLiteral("radio.example"), 80};
    EXPECT_FALSE(route.upstreamFor(remote).has_value());

    route.upstream = RelayEndpoint{QStringLiteral("proxy.lan"), 3128};
    route.bypass = {QStringLiteral("Intranet.Example")};
    EXPECT_EQ(route.upstreamFor(remote), route.upstream);
    for (const char *host : {"127.0.0.1", "127.8.9.10", "::1", "localhost", "LOCALHOST", "a.localhost",
                             "intranet.example"})
        EXPECT_FALSE(route.upstreamFor(RelayEndpoint{QString::fromLatin1(host), 80}).has_value()) << host;
    EXPECT_TRUE(route.upstreamFor(RelayEndpoint{QStringLiteral("128.0.0.1"), 80}).has_value());
}

struct RequestCase
{
    const char *label;
    const char *line;
    bool tunnel;
    bool plainHttp;
    const char *host;
    quint16 port;
    const char *directLine; // empty for tunnels
};

class RequestLine : public ::testing::TestWithParam<RequestCase>
{
};

TEST_P(RequestLine, FindsTargetAndOriginForm)
{
    const RequestCase &c = GetParam();
    const QByteArray head = QByteArray(c.line) + "\r\nHost: x\r\n\r\n";
    const auto request = ProxyRequest::parse(head);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->isTunnel(), c.tunnel);
    EXPECT_EQ(request->isPlainHttp(), c.plainHttp);
    EXPECT_EQ(request->target().host, QString::fromLatin1(c.host));
    EXPECT_EQ(request->target().port, c.port);
    if (!c.tunnel) {
        EXPECT_EQ(firstLine(request->directHead()), QByteArray(c.directLine));
    }
    EXPECT_EQ(firstLine(request->upstreamHead()), QByteArray(c.line)) << "an upstream proxy gets the line as sent";
}

INSTANTIATE_TEST_SUITE_P(
    Table, RequestLine,
    ::testing::Values(
        RequestCase{"PathAndQuery", "GET http://h:81/a/b?c=d HTTP/1.1", false, true, "h", 81, "GET /a/b?c=d HTTP/1.1"},
        RequestCase{"DefaultPort", "GET http://h HTTP/1.1", false, true, "h", 80, "GET / HTTP/1.1"},
        RequestCase{"QueryOnly", "POST http://h?x=1 HTTP/1.0", false, true, "h", 80, "POST /?x=1 HTTP/1.0"},
        RequestCase{"FragmentDropped", "GET http://h/p#top HTTP/1.1", false, true, "h", 80, "GET /p HTTP/1.1"},
        RequestCase{"UserInfoDropped", "GET http://u:p@h:8080/ HTTP/1.1", false, true, "h", 8080, "GET / HTTP/1.1"},
        RequestCase{"SchemeInCapitals", "GET HTTP://H/ HTTP/1.1", false, true, "H", 80, "GET / HTTP/1.1"},
        RequestCase{"Ipv6", "GET http://[::1]:8080/s HTTP/1.1", false, true, "::1", 8080, "GET /s HTTP/1.1"},
        RequestCase{"Https", "GET https://h/ HTTP/1.1", false, false, "h", 443, "GET / HTTP/1.1"},
        RequestCase{"Tunnel", "CONNECT h:443 HTTP/1.1", true, false, "h", 443, ""}),
    [](const auto &param) { return std::string(param.param.label); });

TEST(ProxyRequest, RefusesWhatNoProxyClientSends)
{
    for (const char *line : {"GET /relative HTTP/1.1", "CONNECT h HTTP/1.1", "CONNECT h:0 HTTP/1.1",
                             "GET http://h:99999/ HTTP/1.1", "GET http://h/ HTTP/2", "GET  http://h/ HTTP/1.1",
                             "GET http:///path HTTP/1.1", "garbage", ""})
        EXPECT_FALSE(ProxyRequest::parse(QByteArray(line) + "\r\n\r\n").has_value()) << line;
}

TEST(ProxyRequest, DirectHeadDropsProxyHeadersAndAsksToClose)
{
    const auto request = ProxyRequest::parse(
        "GET http://radio.example:8000/live HTTP/1.1\r\nHost: radio.example:8000\r\n"
        "Proxy-Connection: keep-alive\r\nproxy-authorization: Basic c2VjcmV0\r\nConnection: keep-alive\r\n"
        "Keep-Alive: 300\r\nIcy-MetaData: 1\r\nUser-Agent: t\r\n\r\n");
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->directHead(), QByteArray("GET /live HTTP/1.1\r\nHost: radio.example:8000\r\nIcy-MetaData: 1\r\n"
                                                "User-Agent: t\r\nConnection: close\r\n\r\n"));
    EXPECT_EQ(request->upstreamHead(),
              QByteArray("GET http://radio.example:8000/live HTTP/1.1\r\nHost: radio.example:8000\r\n"
                         "proxy-authorization: Basic c2VjcmV0\r\nIcy-MetaData: 1\r\nUser-Agent: t\r\n"
                         "Connection: close\r\n\r\n"));
}

TEST(ProxyRequest, DirectHeadAddsAMissingHost)
{
    const auto request = ProxyRequest::parse("GET http://u@h:81/x HTTP/1.0\r\nAccept: */*\r\n\r\n");
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->directHead(), QByteArray("GET /x HTTP/1.0\r\nHost: h:81\r\nAccept: */*\r\n"
                                                "Connection: close\r\n\r\n"));
}

TEST(ProxyRequest, TunnelGoesUpstreamUnchanged)
{
    const QByteArray head = "CONNECT h:443 HTTP/1.1\r\nHost: h:443\r\nProxy-Connection: keep-alive\r\n\r\n";
    const auto request = ProxyRequest::parse(head);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->upstreamHead(), head);
}

TEST(HttpHead, FindsTheEndOfAHead)
{
    EXPECT_EQ(HttpHead::length("GET / HTTP/1.1\r\n\r\nbody"), 18);
    EXPECT_EQ(HttpHead::length("GET / HTTP/1.1\r\nHost: h\r\n"), -1);
    EXPECT_EQ(HttpHead::length(""), -1);
}

TEST(HttpHead, AnswersAreClosedAndInterimAnswersRecognised)
{
    EXPECT_EQ(HttpHead::closing("HTTP/1.1 200 OK\r\nConnection: Keep-Alive\r\nContent-Length: 2\r\n\r\n"),
              QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\n"));
    EXPECT_TRUE(HttpHead::isInterimResponse("HTTP/1.1 100 Continue\r\n\r\n"));
    EXPECT_TRUE(HttpHead::isInterimResponse("HTTP/1.1 103 Early Hints\r\nLink: x\r\n\r\n"));
    EXPECT_FALSE(HttpHead::isInterimResponse("HTTP/1.1 101 Switching Protocols\r\n\r\n"));
    EXPECT_FALSE(HttpHead::isInterimResponse("HTTP/1.1 200 OK\r\n\r\n"));
    EXPECT_FALSE(HttpHead::isInterimResponse("ICY 200 OK\r\n\r\n"));

    const QByteArray error = HttpHead::errorResponse(502, "Bad Gateway", QStringLiteral("Cannot reach h:1"));
    EXPECT_TRUE(error.startsWith("HTTP/1.1 502 Bad Gateway\r\n"));
    const qsizetype bodyAt = HttpHead::length(error);
    ASSERT_GT(bodyAt, 0);
    EXPECT_TRUE(error.contains("Content-Length: " + QByteArray::number(error.size() - bodyAt) + "\r\n"));
}

// X11 for a Wayland desktop with XWayland, unless the user chose a platform.
TEST(DesktopStart, PlatformForTheDesktop)
{
    const std::pair<const char *, const char *> rows[] = {
        {"WAYLAND_DISPLAY=w DISPLAY=:1", "xcb"}, {"XDG_SESSION_TYPE=wayland DISPLAY=:1", "xcb"},
        {"WAYLAND_DISPLAY=w", ""}, {"WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=wayland", ""}, {"DISPLAY=:1", ""}};
    for (const auto &[variables, platform] : rows) {
        QProcessEnvironment environment;
        for (const QString &pair : QString::fromLatin1(variables).split(QLatin1Char(' ')))
            environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        EXPECT_EQ(DesktopStart::platformFor(environment), QLatin1String(platform)) << variables;
    }
}

} // namespace
