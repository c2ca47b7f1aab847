#include "scriptedserver.h"

#include "platform/proxyrelay.h"
#include "platform/qtproxysession.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int LoadWaitMs = 60000;

QByteArray page(const QByteArray &title)
{
    const QByteArray body = "<html><head><title>" + title + "</title></head><body>x</body></html>";
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
         + "\r\n\r\n" + body;
}

// The view also asks for icons on its own; look for the page's request.
bool asked(const ScriptedServer &upstream, const QByteArray &line)
{
    const QList<QByteArray> &received = upstream.received();
    return std::any_of(received.cbegin(), received.cend(), [&](const QByteArray &r) { return r.startsWith(line); });
}

bool load(QWebEnginePage &view, const QString &address)
{
    QSignalSpy finished(&view, &QWebEnginePage::loadFinished);
    view.load(QUrl(address));
    return finished.wait(LoadWaitMs) && finished.constFirst().constFirst().toBool();
}

// Web views take the application proxy once; the point of the relay is that
// a proxy applied afterwards still reaches them.
TEST(ProxyRelayWebEngine, ProxyAppliedAfterTheFirstViewTakesEffect)
{
    ProxyRelay relay;
    QtProxySession session(relay);
    ASSERT_TRUE(session.installBeforeWebViews());

    ScriptedServer first(page("first"), ScriptedServer::After::Close);
    ScriptedServer second(page("second"), ScriptedServer::After::Close);
    ASSERT_TRUE(session.apply(ProxySession::Access::Proxy, {QStringLiteral("127.0.0.1:%1").arg(first.port())}, {}));
    QWebEnginePage view;
    ASSERT_TRUE(load(view, QStringLiteral("http://radio.example/one")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.title() == QStringLiteral("first"); }, 10000));
    EXPECT_TRUE(asked(first, "GET http://radio.example/one HTTP/1.1\r\n"));

    ASSERT_TRUE(session.apply(ProxySession::Access::Proxy, {QStringLiteral("127.0.0.1:%1").arg(second.port())}, {}));
    ASSERT_TRUE(load(view, QStringLiteral("http://radio.example/two")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.title() == QStringLiteral("second"); }, 10000));
    EXPECT_TRUE(asked(second, "GET http://radio.example/two HTTP/1.1\r\n"));
    EXPECT_FALSE(asked(first, "GET http://radio.example/two "));
}

} // namespace
