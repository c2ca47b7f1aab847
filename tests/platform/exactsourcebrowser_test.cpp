#include "platform/exactsourcebrowser.h"

#include "browser_test_helpers.h"
#include "support/loopbackserver.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Bytes a DOM serialisation would change: upper-case markers, CR LF, a SUB
// byte and bytes that are not UTF-8.
const QByteArray TrickySource("<HTML><HEAD><TITLE>accessoOK</TITLE></HEAD>\r\na<BR>b<BR1>c\x1a\xe8\xff<Br>\r\n");

class ExactSourceBrowserTest : public ::testing::Test
{
protected:
    LoopbackServer server;
    QNetworkAccessManager network;
    ExactSourceBrowser browser{&network};
    BrowserEvents events{browser};
    QTemporaryDir dir;
};

TEST_F(ExactSourceBrowserTest, SavesTheServedBytesUnchanged)
{
    server.serve("/page", TrickySource, "text/html");
    browser.navigate(server.url("/page"));
    ASSERT_TRUE(events.waitForLoads(1));
    ASSERT_TRUE(browser.hasDocument());
    bool saved = false;
    const QString path = dir.filePath(QStringLiteral("tmpSV.txt"));
    browser.saveDocument(path, [&](bool ok) { saved = ok; });
    EXPECT_TRUE(saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), TrickySource);
}

TEST_F(ExactSourceBrowserTest, ReportsTitleAndEndsWithAFinishedProgressEvent)
{
    server.serve("/p", "<html><head><title> sponsor </title></head></html>");
    const QString address = server.url("/p?dettaglio=0&Radio=0");
    browser.navigate(address);
    EXPECT_TRUE(browser.busy());
    ASSERT_TRUE(events.waitForLoads(1));
    EXPECT_FALSE(browser.busy());
    EXPECT_TRUE(events.lastIsFinished());
    // The address shows as the title while loading, then the page's own title.
    EXPECT_EQ(events.titles, (QStringList{address, QStringLiteral("sponsor")}));
    EXPECT_EQ(browser.locationUrl(), address);
    EXPECT_EQ(browser.documentProtocol(), QStringLiteral("http:"));
    EXPECT_EQ(server.requests().back(), "/p?dettaglio=0&Radio=0");
}

TEST_F(ExactSourceBrowserTest, BackAndForwardWalkTheHistory)
{
    server.serve("/a", "<title>A</title>");
    server.serve("/b", "<title>B</title>");
    EXPECT_FALSE(browser.goBack());
    EXPECT_FALSE(browser.goForward());
    browser.navigate(server.url("/a"));
    ASSERT_TRUE(events.waitForLoads(1));
    browser.navigate(server.url("/b"));
    ASSERT_TRUE(events.waitForLoads(2));
    ASSERT_TRUE(browser.goBack());
    ASSERT_TRUE(events.waitForLoads(3));
    EXPECT_EQ(browser.title(), QStringLiteral("A"));
    EXPECT_FALSE(browser.goBack());
    ASSERT_TRUE(browser.goForward());
    ASSERT_TRUE(events.waitForLoads(4));
    EXPECT_EQ(browser.title(), QStringLiteral("B"));
    EXPECT_FALSE(browser.goForward());
}

TEST_F(ExactSourceBrowserTest, RefreshLoadsTheSamePageAgain)
{
    server.serve("/r", "<title>R</title>");
    browser.navigate(server.url("/r?x=1"));
    ASSERT_TRUE(events.waitForLoads(1));
    browser.refresh();
    ASSERT_TRUE(events.waitForLoads(2));
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(ExactSourceBrowserTest, EveryFinishedLoadReportsItsTitleOnceEvenWithoutOne)
{
    server.serve("/empty", "");
    const QString address = server.url("/empty");
    browser.navigate(address);
    ASSERT_TRUE(events.waitForLoads(1));
    browser.refresh();
    ASSERT_TRUE(events.waitForLoads(2));
    EXPECT_EQ(events.titles, (QStringList{address, address}));
}

TEST_F(ExactSourceBrowserTest, AboutBlankLoadsAnEmptyDocument)
{
    browser.navigate(QStringLiteral("About:Blank"));
    ASSERT_TRUE(events.waitForLoads(1));
    EXPECT_EQ(browser.documentProtocol(), QStringLiteral("about:"));
    bool saved = false;
    const QString path = dir.filePath(QStringLiteral("blank.txt"));
    browser.saveDocument(path, [&](bool ok) { saved = ok; });
    EXPECT_TRUE(saved);
    EXPECT_EQ(QFile(path).size(), 0);
}

TEST_F(ExactSourceBrowserTest, UnreachablePageFinishesWithANonWebAddress)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    const QString address = QStringLiteral("http://127.0.0.1:%1/radio/AccessoSonvela.asp").arg(port);
    browser.navigate(address);
    ASSERT_TRUE(events.waitForLoads(1));
    EXPECT_FALSE(browser.locationUrl().startsWith(QStringLiteral("http"), Qt::CaseInsensitive));
    EXPECT_NE(browser.title().toUpper(), QStringLiteral("ACCESSOOK"));
    EXPECT_NE(browser.title().toUpper(), address.toUpper());
    EXPECT_TRUE(browser.hasDocument());
}

TEST_F(ExactSourceBrowserTest, NoDocumentBeforeTheFirstLoad)
{
    EXPECT_FALSE(browser.hasDocument());
    bool called = false, saved = true;
    browser.saveDocument(dir.filePath(QStringLiteral("x")), [&](bool ok) {
        called = true;
        saved = ok;
    });
    EXPECT_TRUE(called);
    EXPECT_FALSE(saved);
}

TEST_F(ExactSourceBrowserTest, ANewNavigationReplacesAPendingOne)
{
    server.serve("/one", "<title>one</title>");
    server.serve("/two", "<title>two</title>");
    browser.navigate(server.url("/one"));
    browser.navigate(server.url("/two"));
    ASSERT_TRUE(events.waitForLoads(1));
    QTest::qWait(50);
    EXPECT_EQ(events.finishedLoads(), 1);
    EXPECT_EQ(browser.title(), QStringLiteral("two"));
}

} // namespace
