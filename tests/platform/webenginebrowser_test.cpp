#include "platform/platformfactory.h"
#include "platform/webenginebrowser.h"
#include "platform/webenginesession.h"

#include "browser_test_helpers.h"
#include "support/loopbackserver.h"

#include <QFile>
#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// One web engine for the whole test program: it is costly to start.
class WebEngineBrowserTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        factory = new PlatformFactory;
        window = new QWidget;
        window->resize(400, 300);
        window->show();
    }
    static void TearDownTestSuite()
    {
        delete window;
        delete factory;
    }

    static PlatformFactory *factory;
    static QWidget *window;
    LoopbackServer server;
    QTemporaryDir dir;
};

PlatformFactory *WebEngineBrowserTest::factory = nullptr;
QWidget *WebEngineBrowserTest::window = nullptr;

TEST_F(WebEngineBrowserTest, LoadsTitleAndSavesTheServedSourceExactly)
{
    const QByteArray source("<HTML><HEAD><TITLE>RADIO:-Prova</TITLE></HEAD>\r\n<BODY>a<BR>b<BR1>c</BODY></HTML>\r\n");
    server.serve("/page", source, "text/html; charset=windows-1252");
    std::unique_ptr<Browser> browser(factory->createVisibleBrowser(window));
    BrowserEvents events(*browser);
    browser->navigate(server.url("/page"));
    ASSERT_TRUE(events.waitForLoads(1, 60000));
    EXPECT_TRUE(events.lastIsFinished());
    EXPECT_TRUE(QTest::qWaitFor([&] { return browser->title() == QStringLiteral("RADIO:-Prova"); }, 10000));
    EXPECT_TRUE(events.titles.contains(QStringLiteral("RADIO:-Prova")));
    EXPECT_EQ(browser->documentProtocol(), QStringLiteral("http:"));

    bool finished = false, saved = false;
    const QString path = dir.filePath(QStringLiteral("tmpSV.txt"));
    browser->saveDocument(path, [&](bool ok) {
        finished = true;
        saved = ok;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 30000));
    EXPECT_TRUE(saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), source);
}

TEST_F(WebEngineBrowserTest, ABrowserGoneBeforeItsSaveEndsIsNeverAnswered)
{
    // The answer would run its owner's code after the owner is gone, as when a
    // window closes while its page is being captured.
    server.serve("/gone", "<title>Gone</title>");
    WebEngineSession session;
    auto *browser = new WebEngineBrowser(session, window);
    BrowserEvents events(*browser);
    browser->navigate(server.url("/gone"));
    ASSERT_TRUE(events.waitForLoads(1, 60000));

    QPointer<QWebEngineDownloadRequest> download;
    QObject::connect(session.profile(), &QWebEngineProfile::downloadRequested,
                     [&](QWebEngineDownloadRequest *request) { download = request; });
    bool gone = false, answeredAfterwards = false;
    browser->saveDocument(dir.filePath(QStringLiteral("tmp2SV.txt")), [&](bool) { answeredAfterwards = gone; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !download.isNull(); }, 30000));
    delete browser;
    gone = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return download.isNull() || download->isFinished(); }, 30000));
    QTest::qWait(200);
    EXPECT_FALSE(answeredAfterwards);
}

TEST_F(WebEngineBrowserTest, PageWithoutTitleReportsItsWholeAddress)
{
    // The strip and access checks take a title beginning with "http:" as
    // "still loading"; the engine's own placeholder title lacks the scheme.
    server.serve("/untitled", "<html><body>no title</body></html>");
    std::unique_ptr<Browser> browser(factory->createVisibleBrowser(window));
    BrowserEvents events(*browser);
    const QString address = server.url("/untitled?dettaglio=0&Radio=0");
    browser->navigate(address);
    ASSERT_TRUE(events.waitForLoads(1, 60000));
    ASSERT_FALSE(events.titles.isEmpty());
    for (const QString &title : events.titles)
        EXPECT_TRUE(title.startsWith(QStringLiteral("http://"))) << title.toStdString();
}

// The engine says nothing when a reload or a new page keeps the title; a
// station page answering "caricamento" twice must still be heard twice.
TEST_F(WebEngineBrowserTest, EveryFinishedLoadReportsItsTitleEvenWhenItRepeats)
{
    server.serve("/wait", "<html><head><title>caricamento</title></head><body>...</body></html>");
    server.serve("/other", "<html><head><title>caricamento</title></head><body>other</body></html>");
    std::unique_ptr<Browser> browser(factory->createVisibleBrowser(window));
    BrowserEvents events(*browser);
    const auto titlesSeen = [&] { return events.titles.count(QStringLiteral("caricamento")); };
    browser->navigate(server.url("/wait"));
    ASSERT_TRUE(events.waitForLoads(1, 60000));
    EXPECT_EQ(titlesSeen(), 1);
    browser->refresh();
    ASSERT_TRUE(events.waitForLoads(2, 60000));
    EXPECT_EQ(titlesSeen(), 2);
    browser->navigate(server.url("/other"));
    ASSERT_TRUE(events.waitForLoads(3, 60000));
    EXPECT_EQ(titlesSeen(), 3);
    // Each title came before its load's end, where the service code reads it.
    EXPECT_TRUE(events.lastIsFinished());
}

TEST_F(WebEngineBrowserTest, UnreachablePageFinishesWithANonWebAddress)
{
    std::unique_ptr<Browser> browser(factory->createVisibleBrowser(window));
    BrowserEvents events(*browser);
    browser->navigate(QStringLiteral("http://127.0.0.1:1/radio/AccessoSonvela.asp"));
    ASSERT_TRUE(events.waitForLoads(1, 60000));
    EXPECT_FALSE(browser->locationUrl().startsWith(QStringLiteral("http"), Qt::CaseInsensitive));
    EXPECT_FALSE(browser->title().startsWith(QStringLiteral("http:"), Qt::CaseInsensitive));

    // Captured like any other page: the error page's own source, replacing
    // whatever the capture file held.
    const QString path = dir.filePath(QStringLiteral("OpTSV.txt"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("<title>x</title>\r\nSTALE\r\n");
    old.close();
    bool finished = false, saved = false;
    browser->saveDocument(path, [&](bool ok) {
        finished = true;
        saved = ok;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 10000));
    EXPECT_TRUE(saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray captured = file.readAll();
    EXPECT_FALSE(captured.contains("STALE"));
    EXPECT_TRUE(captured.contains(browser->title().toUtf8())) << captured.toStdString();
}

TEST_F(WebEngineBrowserTest, BackForwardAndRefusalWithoutHistory)
{
    server.serve("/a", "<title>A</title>");
    server.serve("/b", "<title>B</title>");
    std::unique_ptr<Browser> browser(factory->createVisibleBrowser(window));
    BrowserEvents events(*browser);
    EXPECT_FALSE(browser->goBack());
    browser->navigate(server.url("/a"));
    ASSERT_TRUE(events.waitForLoads(1, 60000));
    browser->navigate(server.url("/b"));
    ASSERT_TRUE(events.waitForLoads(2, 60000));
    ASSERT_TRUE(browser->goBack());
    ASSERT_TRUE(events.waitForLoads(3, 60000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return browser->title() == QStringLiteral("A"); }, 10000));
    EXPECT_FALSE(browser->widget()->contextMenuPolicy() != Qt::NoContextMenu);
}

// A web view is costly: none is made until the browser is used, and then it
// takes the place its holder held from the start.
TEST_F(WebEngineBrowserTest, MakesItsViewOnFirstUseInItsHoldersPlace)
{
    server.serve("/a", "<title>A</title>");
    std::unique_ptr<Browser> browser(factory->createVisibleBrowser(window));
    QWidget *holder = browser->widget();
    holder->setGeometry(10, 20, 200, 100);
    const auto views = [&] {
        QList<QWidget *> found;
        for (QWidget *child : holder->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->inherits("QWebEngineView"))
                found << child;
        return found;
    };
    browser->refresh();
    browser->setAudioPaused(true);
    EXPECT_FALSE(browser->goBack() || browser->goForward() || browser->busy() || browser->hasDocument());
    EXPECT_TRUE(browser->locationUrl().isEmpty() && browser->title().isEmpty());
    EXPECT_TRUE(views().isEmpty());

    browser->setShown(false);
    BrowserEvents events(*browser);
    browser->navigate(server.url("/a"));
    ASSERT_TRUE(events.waitForLoads(1, 60000));
    ASSERT_EQ(views().size(), 1);
    QWidget *view = views().front();
    EXPECT_FALSE(browser->isShown());
    browser->setShown(true);
    EXPECT_TRUE(browser->isShown() && view->isVisible());
    EXPECT_EQ(view->geometry(), QRect(0, 0, 200, 100));
    holder->resize(300, 150);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 300, 150));
    EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(browser->title(), QStringLiteral("A"));
    EXPECT_EQ(views().size(), 1);
}

// A renderer process is costly to start on a small machine, so the pages of
// one site share one; the station player keeps its own, so that its sound
// never waits on the other pages.
TEST_F(WebEngineBrowserTest, PagesOfOneSiteShareARendererThePlayerHasItsOwn)
{
    server.serve("/a", "<title>A</title>");
    server.serve("/b", "<title>B</title>");
    server.serve("/player", "<title>RADIO:-Prova</title>");
    std::unique_ptr<Browser> first(factory->createVisibleBrowser(window));
    std::unique_ptr<Browser> second(factory->createVisibleBrowser(window));
    std::unique_ptr<Browser> player(factory->createPlayerBrowser(window));
    const auto renderer = [](Browser &browser) {
        QWebEnginePage *page = browser.widget()->findChild<QWebEnginePage *>();
        return page ? page->renderProcessPid() : 0;
    };
    // The player's renderer starts before its first page, which then uses it;
    // meanwhile the player says nothing and answers as a browser never used.
    BrowserEvents early(*player);
    ASSERT_TRUE(QTest::qWaitFor([&] { return renderer(*player) > 0; }, 30000));
    QTest::qWait(300);
    EXPECT_TRUE(early.titles.isEmpty() && early.progress.empty());
    EXPECT_FALSE(player->busy() || player->hasDocument() || player->goBack());
    EXPECT_TRUE(player->title().isEmpty() && player->locationUrl().isEmpty());
    const qint64 started = renderer(*player);
    for (const auto &[browser, path] : { std::pair { first.get(), "/a" }, { second.get(), "/b" },
                                         { player.get(), "/player" } }) {
        BrowserEvents events(*browser);
        browser->navigate(server.url(path));
        ASSERT_TRUE(events.waitForLoads(1, 60000)) << path;
        ASSERT_TRUE(QTest::qWaitFor([&] { return renderer(*browser) > 0; }, 10000)) << path;
    }
    EXPECT_EQ(renderer(*first), renderer(*second));
    EXPECT_NE(renderer(*player), renderer(*first));
    EXPECT_EQ(renderer(*player), started);
    EXPECT_EQ(player->title(), QStringLiteral("RADIO:-Prova"));
}

} // namespace
