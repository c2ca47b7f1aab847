#include "scriptedserver.h"

#include "platform/desktopproxy.h"
#include "platform/proxyrelay.h"
#include "platform/qtproxysession.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace {

constexpr int WaitMs = 10000;
using Access = ProxySession::Access;

QByteArray portText(quint16 port)
{
    return QByteArray::number(port);
}

quint16 closedPort()
{
    QTcpServer server;
    server.setProxy(QNetworkProxy::NoProxy);
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

// A raw client of the relay that keeps everything it receives.
class Client final
{
public:
    explicit Client(quint16 port)
    {
        m_socket.setProxy(QNetworkProxy::NoProxy);
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { m_received += m_socket.readAll(); });
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        m_socket.waitForConnected(WaitMs);
    }

    void send(const QByteArray &bytes) { m_socket.write(bytes); }
    void close() { m_socket.disconnectFromHost(); }
    const QByteArray &received() const { return m_received; }

    bool waitForReceived(const QByteArray &expected)
    {
        return QTest::qWaitFor([&] { return m_received == expected; }, WaitMs);
    }
    bool waitClosed()
    {
        return QTest::qWaitFor([&] { return m_socket.state() == QAbstractSocket::UnconnectedState; }, WaitMs);
    }

    Q_DISABLE_COPY_MOVE(Client)

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

class RelayTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(relay.listen()); }

    // Sends one request on a new connection and returns all that came back
    // before the relay closed it.
    QByteArray exchange(const QByteArray &request)
    {
        Client client(relay.port());
        client.send(request);
        EXPECT_TRUE(client.waitClosed()) << "the relay must close after the answer";
        return client.received();
    }

    bool relayIdle()
    {
        return QTest::qWaitFor([&] { return relay.connectionCount() == 0; }, WaitMs);
    }

    void useUpstream(const ScriptedServer &upstream)
    {
        ASSERT_TRUE(session.apply(Access::Proxy, {QStringLiteral("127.0.0.1:%1").arg(upstream.port())}, {}));
    }

    ProxyRelay relay;
    QtProxySession session{relay};
};

TEST_F(RelayTest, DirectRequestReachesTheOriginInOriginForm)
{
    ScriptedServer origin("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: keep-alive\r\n\r\nhello",
                          ScriptedServer::After::Close);
    ASSERT_TRUE(session.apply(Access::Direct, {}, {}));
    const QByteArray host = "127.0.0.1:" + portText(origin.port());
    const QByteArray answer = exchange("GET http://" + host + "/live?x=1 HTTP/1.1\r\nHost: " + host
                                       + "\r\nProxy-Connection: keep-alive\r\n\r\n");

    EXPECT_EQ(answer, QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello"));
    ASSERT_EQ(origin.received().size(), 1);
    EXPECT_EQ(origin.received().at(0), "GET /live?x=1 HTTP/1.1\r\nHost: " + host + "\r\nConnection: close\r\n\r\n");
    EXPECT_TRUE(relayIdle());
}

TEST_F(RelayTest, InterimAnswerPassesBeforeTheFinalOne)
{
    ScriptedServer origin("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nConnection: keep-alive\r\n"
                          "Content-Length: 1\r\n\r\nx",
                          ScriptedServer::After::Close);
    const QByteArray answer = exchange("POST http://127.0.0.1:" + portText(origin.port())
                                       + "/ HTTP/1.1\r\nExpect: 100-continue\r\n\r\n");
    EXPECT_EQ(answer, QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n"
                                 "Connection: close\r\n\r\nx"));
}

TEST_F(RelayTest, QtNetworkClientFetchesPagesInTurn)
{
    ScriptedServer origin("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\npage", ScriptedServer::After::Close);
    QNetworkAccessManager manager;
    manager.setProxy(relay.proxy());
    for (int round = 0; round < 2; ++round) {
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/p%2").arg(origin.port()).arg(round));
        std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        ASSERT_TRUE(finished.wait(WaitMs));
        EXPECT_EQ(reply->error(), QNetworkReply::NoError) << reply->errorString().toStdString();
        EXPECT_EQ(reply->readAll(), QByteArray("page"));
    }
    ASSERT_EQ(origin.received().size(), 2);
    EXPECT_TRUE(origin.received().at(1).startsWith("GET /p1 HTTP/1.1\r\n"));
}

TEST_F(RelayTest, ProxyRouteSendsTheAbsoluteRequestUpstream)
{
    ScriptedServer upstream("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nup", ScriptedServer::After::Close);
    useUpstream(upstream);
    const QByteArray answer = exchange("GET http://radio.example:8000/live HTTP/1.1\r\nHost: radio.example:8000\r\n"
                                       "Proxy-Authorization: Basic eA==\r\nProxy-Connection: keep-alive\r\n\r\n");

    EXPECT_EQ(answer, QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nup"));
    ASSERT_EQ(upstream.received().size(), 1);
    EXPECT_EQ(upstream.received().at(0),
              QByteArray("GET http://radio.example:8000/live HTTP/1.1\r\nHost: radio.example:8000\r\n"
                         "Proxy-Authorization: Basic eA==\r\nConnection: close\r\n\r\n"));
}

TEST_F(RelayTest, LoopbackTargetsSkipTheUpstream)
{
    ScriptedServer origin("HTTP/1.1 204 No Content\r\n\r\n", ScriptedServer::After::Close);
    ScriptedServer upstream("HTTP/1.1 200 OK\r\n\r\n", ScriptedServer::After::Close);
    useUpstream(upstream);
    const QByteArray answer = exchange("GET http://localhost:" + portText(origin.port()) + "/ HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 204 No Content\r\n"));
    EXPECT_EQ(origin.received().size(), 1);
    EXPECT_TRUE(upstream.received().isEmpty());
}

TEST_F(RelayTest, OpenConnectionKeepsTheRouteItWasAcceptedWith)
{
    ScriptedServer upstream("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", ScriptedServer::After::Close);
    useUpstream(upstream);
    Client held(relay.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return relay.connectionCount() == 1; }, WaitMs));
    ASSERT_TRUE(session.apply(Access::Direct, {}, {}));
    held.send("GET http://radio.example/ HTTP/1.1\r\n\r\n");
    ASSERT_TRUE(held.waitClosed());
    EXPECT_EQ(upstream.received().size(), 1);
}

TEST_F(RelayTest, DirectTunnelCarriesBytesBothWays)
{
    ScriptedServer echo({}, ScriptedServer::After::EchoOnly);
    Client client(relay.port());
    const QByteArray target = "127.0.0.1:" + portText(echo.port());
    client.send("CONNECT " + target + " HTTP/1.1\r\nHost: " + target + "\r\n\r\nping");
    ASSERT_TRUE(client.waitForReceived("HTTP/1.1 200 Connection established\r\n\r\nping"));
    client.send("pong");
    ASSERT_TRUE(client.waitForReceived("HTTP/1.1 200 Connection established\r\n\r\npingpong"));
    EXPECT_EQ(echo.received().at(0), QByteArray("pingpong")) << "the tunnel request is not for the target";

    client.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return echo.openConnections() == 0; }, WaitMs));
    EXPECT_TRUE(relayIdle());
}

TEST_F(RelayTest, UpstreamTunnelPassesTheUpstreamAnswerAndItsClose)
{
    ScriptedServer upstream("HTTP/1.1 200 Connection established\r\n\r\n", ScriptedServer::After::Echo);
    useUpstream(upstream);
    Client client(relay.port());
    const QByteArray head = "CONNECT radio.example:443 HTTP/1.1\r\nHost: radio.example:443\r\n\r\n";
    client.send(head);
    ASSERT_TRUE(client.waitForReceived("HTTP/1.1 200 Connection established\r\n\r\n"));
    client.send("hello");
    ASSERT_TRUE(client.waitForReceived("HTTP/1.1 200 Connection established\r\n\r\nhello"));
    EXPECT_EQ(upstream.received().at(0), head + "hello");

    ASSERT_NE(upstream.latest(), nullptr);
    upstream.latest()->disconnectFromHost();
    EXPECT_TRUE(client.waitClosed());
    EXPECT_TRUE(relayIdle());
}

struct FailureCase
{
    const char *label;
    bool viaUpstream;
    const char *requestTemplate; // %1 is the closed port
    int code;
};

class RelayFailure : public RelayTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(RelayFailure, AnswersWithAShortErrorAndCloses)
{
    const FailureCase &c = GetParam();
    const quint16 port = closedPort();
    if (c.viaUpstream) {
        ASSERT_TRUE(session.apply(Access::Proxy, {QStringLiteral("127.0.0.1:%1").arg(port)}, {}));
    }
    const QByteArray request = QString::fromLatin1(c.requestTemplate).arg(port).toLatin1();
    const QByteArray answer = exchange(request);
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 " + QByteArray::number(c.code) + ' ')) << answer.toStdString();
    if (c.code == 502) {
        EXPECT_TRUE(answer.contains("127.0.0.1:" + portText(port))) << "the text names what cannot be reached";
    }
    EXPECT_TRUE(relayIdle());
}

INSTANTIATE_TEST_SUITE_P(
    Table, RelayFailure,
    ::testing::Values(FailureCase{"DirectRequest", false, "GET http://127.0.0.1:%1/ HTTP/1.1\r\n\r\n", 502},
                      FailureCase{"DirectTunnel", false, "CONNECT 127.0.0.1:%1 HTTP/1.1\r\n\r\n", 502},
                      FailureCase{"UpstreamRequest", true, "GET http://radio.example/%1 HTTP/1.1\r\n\r\n", 502},
                      FailureCase{"UpstreamTunnel", true, "CONNECT radio%1.example:443 HTTP/1.1\r\n\r\n", 502},
                      FailureCase{"OriginForm", false, "GET /%1 HTTP/1.1\r\n\r\n", 400},
                      FailureCase{"NotHttp", false, "hello %1\r\n\r\n", 400},
                      FailureCase{"TunnelWithoutPort", false, "CONNECT radio%1.example HTTP/1.1\r\n\r\n", 400},
                      FailureCase{"HttpsWithoutUpstream", false, "GET https://127.0.0.1:%1/ HTTP/1.1\r\n\r\n", 400}),
    [](const auto &param) { return std::string(param.param.label); });

TEST_F(RelayTest, OverlongHeadIsRefused)
{
    const QByteArray answer = exchange("GET http://radio.example/ HTTP/1.1\r\nX-Long: " + QByteArray(70000, 'a'));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 431 ")) << answer.left(40).toStdString();
}

TEST_F(RelayTest, ClientThatNeverEndsItsHeadIsAnswered408AndClosed)
{
    relay.setHeadTimeout(300);
    Client client(relay.port());
    client.send("GET http://radio.example/ HTTP/1.1\r\nX-Slow: ");
    // A byte now and then: the connection is busy, the head never ends.
    for (int i = 0; i < 200 && client.received().isEmpty(); ++i) {
        client.send("x");
        QTest::qWait(20);
    }
    EXPECT_TRUE(client.waitClosed());
    EXPECT_TRUE(client.received().startsWith("HTTP/1.1 408 ")) << client.received().left(40).toStdString();
    EXPECT_TRUE(relayIdle());
}

TEST_F(RelayTest, ClientLeavingBeforeItsHeadLeavesNothingOpen)
{
    {
        Client client(relay.port());
        client.send("GET http://radio.exa");
        ASSERT_TRUE(QTest::qWaitFor([&] { return relay.connectionCount() == 1; }, WaitMs));
        client.close();
        client.waitClosed();
    }
    EXPECT_TRUE(relayIdle());
}

// An endless audio stream to a client that stops reading must not pile up in
// the relay: it stops reading the origin, and the origin's data stays with it.
TEST_F(RelayTest, StreamToASlowClientIsHeldBackAtTheOrigin)
{
    ScriptedServer origin("HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n", ScriptedServer::After::Stay);
    QTcpSocket listener;
    listener.setProxy(QNetworkProxy::NoProxy);
    listener.setReadBufferSize(64 * 1024);
    listener.connectToHost(QHostAddress::LocalHost, relay.port());
    ASSERT_TRUE(listener.waitForConnected(WaitMs));
    listener.write("GET http://127.0.0.1:" + portText(origin.port()) + "/stream HTTP/1.1\r\n\r\n");
    // The origin has answered the head; the body follows its answer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return origin.received().value(0).endsWith("\r\n\r\n"); }, WaitMs));

    constexpr qsizetype Size = 64 * 1024 * 1024;
    QByteArray body(Size, Qt::Uninitialized);
    for (qsizetype i = 0; i < Size; ++i)
        body[i] = char(i % 251);
    QTcpSocket *source = origin.latest();
    source->write(body);
    // Give the relay ample time to take everything, were it to read freely.
    QTest::qWait(1500);

    const qsizetype held = source->bytesToWrite();
    EXPECT_GT(held, Size / 2) << "the relay took " << (Size - held) << " bytes";

    QByteArray heard;
    const qsizetype expected = Size + qsizetype(sizeof("HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n"
                                                       "Connection: close\r\n\r\n")) - 1;
    // Read at full speed now: an event loop that drains the socket as it fills.
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    auto drain = [&] {
        heard += listener.readAll();
        if (heard.size() >= expected)
            loop.quit();
    };
    QObject::connect(&listener, &QTcpSocket::readyRead, &loop, drain);
    drain();
    if (heard.size() < expected)
        loop.exec();
    EXPECT_EQ(heard.size(), expected);
    EXPECT_TRUE(heard.endsWith(body.right(4096))) << "the stream arrives whole and in order";
    EXPECT_EQ(heard.mid(heard.size() - Size, 1024 * 1024), body.left(1024 * 1024));
}

// The window's thread may be busy for a while; streams must not stall with
// it. Here the test's own thread blocks while another thread talks through
// the relay with blocking calls only.
TEST_F(RelayTest, RelayWorksWhileItsOwnerThreadIsBlocked)
{
    QByteArray heard;
    const quint16 relayPort = relay.port();
    std::thread talker([&] {
        QTcpServer origin;
        origin.setProxy(QNetworkProxy::NoProxy);
        origin.listen(QHostAddress::LocalHost, 0);
        QTcpSocket client;
        client.setProxy(QNetworkProxy::NoProxy);
        client.connectToHost(QHostAddress::LocalHost, relayPort);
        client.waitForConnected(WaitMs);
        client.write("GET http://127.0.0.1:" + portText(origin.serverPort()) + "/ HTTP/1.1\r\n\r\n");
        client.waitForBytesWritten(WaitMs);
        if (!origin.waitForNewConnection(WaitMs))
            return;
        std::unique_ptr<QTcpSocket> served(origin.nextPendingConnection());
        served->waitForReadyRead(WaitMs);
        served->write("HTTP/1.0 200 OK\r\n\r\nsound");
        served->waitForBytesWritten(WaitMs);
        served->disconnectFromHost();
        while (client.waitForReadyRead(WaitMs))
            heard += client.readAll();
        heard += client.readAll();
    });
    talker.join();
    EXPECT_EQ(heard, QByteArray("HTTP/1.0 200 OK\r\nConnection: close\r\n\r\nsound"));
}

struct ApplyCase
{
    const char *label;
    Access access;
    const char *entry; // nullptr: an empty list
    bool accepted;
    bool upstream;
};

class SessionApply : public ::testing::TestWithParam<ApplyCase>
{
};

TEST_P(SessionApply, SetsTheRouteOrKeepsIt)
{
    const ApplyCase &c = GetParam();
    ProxyRelay relay;
    QtProxySession session(relay);
    RelayRoute before;
    before.upstream = RelayEndpoint{QStringLiteral("earlier.lan"), 1};
    relay.setRoute(before);

    const QStringList entries = c.entry ? QStringList{QString::fromLatin1(c.entry)} : QStringList{};
    EXPECT_EQ(session.apply(c.access, entries, {QStringLiteral("intranet")}), c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(relay.route().upstream, before.upstream) << "a refused proxy changes nothing";
        return;
    }
    EXPECT_EQ(relay.route().bypass, QStringList{QStringLiteral("intranet")});
    if (c.upstream) {
        EXPECT_EQ(relay.route().upstream, RelayEndpoint::fromText(QString::fromLatin1(c.entry)));
    } else {
        EXPECT_FALSE(relay.route().upstream.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SessionApply,
                         ::testing::Values(ApplyCase{"Proxy", Access::Proxy, "10.0.0.1:8080", true, true},
                                           ApplyCase{"Direct", Access::Direct, nullptr, true, false},
                                           ApplyCase{"DirectIgnoresEntries", Access::Direct, "h:1", true, false},
                                           ApplyCase{"NoPort", Access::Proxy, "10.0.0.1", false, false},
                                           ApplyCase{"WordPort", Access::Proxy, "10.0.0.1:port", false, false},
                                           ApplyCase{"PortTooBig", Access::Proxy, "10.0.0.1:80800", false, false},
                                           ApplyCase{"NoAddress", Access::Proxy, ":8080", false, false},
                                           ApplyCase{"EmptyList", Access::Proxy, nullptr, false, false}),
                         [](const auto &param) { return std::string(param.param.label); });

// Where each request leaves the relay, by the proxy choice and the desktop's
// variables. 0.0.0.0 reaches this machine on Linux yet is no loopback name:
// the proxy rules apply to it and nothing leaves the machine.
TEST_F(RelayTest, ProxyChoiceTable)
{
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n";
    ScriptedServer program(ok, ScriptedServer::After::Close), desktop(ok, ScriptedServer::After::Close),
        origin(ok, ScriptedServer::After::Close);
    const QString at = QStringLiteral("127.0.0.1:%1").arg(desktop.port()), user = QStringLiteral("http://us%40er:p%3Ass@") + at;
    const QString closed = QStringLiteral("http://127.0.0.1:%1").arg(closedPort());
    struct Row { Access access; QString httpProxy, noProxy; const char *host; ScriptedServer *reached; QByteArray auth; };
    const Row rows[] = {{Access::Proxy, user, {}, "0.0.0.0", &program, {}}, {Access::Direct, user, {}, "0.0.0.0", &origin, {}},
        {Access::System, user, {}, "0.0.0.0", &desktop, "Basic dXNAZXI6cDpzcw=="}, {Access::System, at, {}, "0.0.0.0", &desktop, {}},
        {Access::System, {}, {}, "0.0.0.0", &origin, {}}, {Access::System, user, QStringLiteral("10.0.0.0/8, 0.0.0.0/8"), "0.0.0.0", &origin, {}},
        {Access::System, user, {}, "localhost", &origin, {}}, {Access::System, closed, {}, "0.0.0.0", nullptr, {}}};
    QSignalSpy trouble(&relay, &ProxyRelay::upstreamTrouble);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.httpProxy.toStdString() + " " + row.host + " " + std::to_string(int(row.access)));
        QProcessEnvironment env; // as the program's start sets it: "host:port" gets a scheme
        env.insert(QStringLiteral("http_proxy"), row.httpProxy);
        qputenv("http_proxy", DesktopProxy::withSchemes(env).value(QStringLiteral("http_proxy"), row.httpProxy).toUtf8());
        qputenv("no_proxy", row.noProxy.toUtf8());
        ASSERT_TRUE(session.apply(row.access, {QStringLiteral("127.0.0.1:%1").arg(program.port())}, {}));
        ScriptedServer *servers[] = {&program, &desktop, &origin};
        const qsizetype before[] = {program.received().size(), desktop.received().size(), origin.received().size()};
        const QByteArray answer = exchange("GET http://" + QByteArray(row.host) + ':' + portText(origin.port()) + "/ HTTP/1.1\r\n\r\n");
        EXPECT_TRUE(answer.startsWith(row.reached ? "HTTP/1.1 200" : "HTTP/1.1 502")) << answer.constData();
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(servers[i]->received().size() - before[i], servers[i] == row.reached ? 1 : 0) << i;
        const bool authorized = row.reached == &desktop && desktop.received().last().contains("Proxy-Authorization: " + row.auth);
        EXPECT_EQ(authorized, !row.auth.isEmpty());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !trouble.isEmpty(); }, WaitMs));
    EXPECT_EQ(trouble, (QList<QVariantList>{{true, closed.mid(7)}})) << "once, for the proxy that cannot be reached";
    qputenv("no_proxy", "*.skip.invalid,.dot.invalid"); // wildcards, asked without resolving a name
    for (const char *host : {"a.skip.invalid", "b.dot.invalid", "other.invalid"})
        EXPECT_EQ(DesktopProxy::forTarget({QLatin1String(host), 80}, false).has_value(), host[0] == 'o') << host;
    qunsetenv("http_proxy"), qunsetenv("no_proxy");
}

TEST(QtProxySession, InstallPointsQtNetworkAtTheRelay)
{
    const QNetworkProxy saved = QNetworkProxy::applicationProxy();
    ProxyRelay relay;
    QtProxySession session(relay);
    ASSERT_TRUE(session.installBeforeWebViews());
    EXPECT_TRUE(relay.isListening());
    const QNetworkProxy installed = QNetworkProxy::applicationProxy();
    EXPECT_EQ(installed.type(), QNetworkProxy::HttpProxy);
    EXPECT_EQ(installed.hostName(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(installed.port(), relay.port());

    // A manager with no proxy of its own goes through the relay to the
    // upstream, and the relay does not loop back into itself when it
    // connects. (Qt, like the web views, skips the proxy for loopback.)
    ScriptedServer upstream("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", ScriptedServer::After::Close);
    ASSERT_TRUE(session.apply(ProxySession::Access::Proxy, {QStringLiteral("127.0.0.1:%1").arg(upstream.port())}, {}));
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(QStringLiteral("http://radio.example/x")))));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    const bool done = finished.wait(WaitMs);
    QNetworkProxy::setApplicationProxy(saved);
    ASSERT_TRUE(done);
    EXPECT_EQ(reply->readAll(), QByteArray("ok"));
    ASSERT_EQ(upstream.received().size(), 1);
    EXPECT_TRUE(upstream.received().at(0).startsWith("GET http://radio.example/x HTTP/1.1\r\n"));
    EXPECT_TRUE(upstream.received().at(0).contains("Connection: close\r\n")) << "the request went through the relay";
}

} // namespace
