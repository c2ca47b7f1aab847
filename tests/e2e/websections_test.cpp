#include "clientfixture.h"

#include "app/sonvelastate.h"
#include "platform/webenginebrowser.h"
#include "settings/newsfile.h"
#include "stations/clickablelabel.h"
#include "stations/stationplayer.h"
#include "web/screenedges.h"
#include "web/tfrm_gestionenews.h"
#include "web/tfrm_googlefinder.h"
#include "web/tfrm_news.h"
#include "web/websections.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

bool loaded(Browser &browser, const QString &title)
{
    return !browser.busy() && browser.title() == title;
}

class WebClientTest : public ClientTest
{
protected:
    WebEngineBrowser &section(SectionFlags::Section s)
    {
        return *dynamic_cast<WebEngineBrowser *>(window->webSections().browser(s));
    }
    void clickTab(int page)
    {
        QTabBar *bar = window->listeningArea().Pnl_Ascolta->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        ASSERT_EQ(window->listeningArea().Pnl_Ascolta->currentIndex(), page);
    }
    QString settingsFolder() const { return sandbox.path() + QStringLiteral("/config/Sonvela/"); }
};

TEST_F(WebClientTest, CommunityHotelCommunityAsksTheCommunityPageOnceAndSilencesTheHotel)
{
    startClient(2);
    clickTab(5);
    WebEngineBrowser &community = section(SectionFlags::Community);
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded(community, QStringLiteral("Community")); }, 30000));

    clickTab(4);
    WebEngineBrowser &hotel = section(SectionFlags::Hotel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded(hotel, QStringLiteral("Hotel")); }, 30000));
    EXPECT_EQ(community.locationUrl(), QStringLiteral("about:blank"));
    const QString jingle = QStringLiteral("(function(){var a=document.getElementById('jingle');"
                                          "return a ? (a.paused ? -1 : a.currentTime) : -2;})()");
    EXPECT_TRUE(evaluateIn(hotel, QStringLiteral("(function(){var a=document.getElementById('jingle');"
                                                 "return a.paused && !a.autoplay;})()")).toBool());
    evaluateIn(hotel, QStringLiteral("document.getElementById('play').click()"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return evaluateIn(hotel, jingle, ScriptWait::MayBeLate).toDouble() > 0; }, 20000))
        << "the hotel section plays its jingle when asked";

    clickTab(5);
    const int product = s_server->config().productPort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return community.locationUrl().endsWith(QStringLiteral("/plugin/fb/")); }, 30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hotel.locationUrl() == QStringLiteral("about:blank"); }, 10000));
    EXPECT_EQ(evaluateIn(hotel, QStringLiteral("document.querySelectorAll('audio').length")).toInt(), 0)
        << "the blank page has no sound left";
    EXPECT_EQ(requestsFor(product, QStringLiteral("/plugin/fb/")), 1);
    EXPECT_EQ(requestsFor(product, QStringLiteral("/plugin/vacanze/")), 1);
}

TEST_F(WebClientTest, StoredNewsChoiceBringsTheTickerInFromTheCurrentMirror)
{
    ASSERT_TRUE(QDir().mkpath(settingsFolder()));
    NewsFile::write(settingsFolder(), NewsChoice{QStringLiteral("3"), 45});
    startClient(4);
    SonvelaState &state = window->state();
    TFrm_News ticker(*s_browsers, [&state] { return state.NewsUrl; });
    TFrm_GestioneNews news(ticker, {state.NewsDelay, state.NewsBaseUrl, state.NewsUrl},
                           [&state] { return state.mirrors.serverBase(); }, settingsFolder(), dialogs);
    news.FormCreate();
    const int mirror = s_server->config().mirrorPort(state.mirrors.index());
    const QString target = QStringLiteral("/Radio/RssSonvela.asp?IdNotizia=3&TempoRitardo=45");
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsFor(mirror, target) == 1; }, 30000));
    const ScreenEdges edges = ScreenEdges::of(QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticker.x() == edges.right - 250; }, 20000))
        << "the ticker is at " << ticker.x() << " of " << edges.right;
    EXPECT_EQ(ticker.y(), edges.bottom - 200);
    EXPECT_EQ(ticker.browser().title(), QStringLiteral("News dall'Italia"));
}

TEST_F(WebClientTest, ASearchInTheStripPlaysTheStationInTheMainWindow)
{
    startClient(1);
    const bool shown = true;
    TFrm_GoogleFinder strip(*s_browsers, [this] { return window->state().mirrors.serverBase(); }, shown);
    QObject::connect(&strip, &TFrm_GoogleFinder::stationPageRequested, &window->player(),
                     &StationPlayer::openSearchResult);
    strip.FormCreate();
    QTest::mouseClick(strip.Image1(), Qt::LeftButton, {}, QPoint(7, 20));
    auto &page = dynamic_cast<WebEngineBrowser &>(strip.browser());
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded(page, QStringLiteral("Cerca")); }, 30000));
    evaluateIn(page, QStringLiteral("document.querySelector('input[name=q]').value='Jazz';"
                                  "document.querySelector('form').submit(); 1"));
    const QString firstLink = QStringLiteral("(function(){var a=document.querySelector('a[target=_blank]');"
                                             "if(!a)return '';var r=a.getBoundingClientRect();"
                                             "return Math.round(r.left+4)+','+Math.round(r.top+r.height/2)+','+a.href;})()");
    QString link;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(link = evaluateIn(page, firstLink).toString()).isEmpty(); }, 30000));
    const QStringList parts = link.split(QLatin1Char(','));
    // A person's click on the result: a script's click would be a blocked pop-up.
    QWidget *view = page.widget();
    while (view->focusProxy())
        view = view->focusProxy();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(parts[0].toInt(), parts[1].toInt()));
    Browser &radio = *window->listeningArea().Wb_Radio;
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.locationUrl() == parts[2]; }, 30000)) << radio.locationUrl().toStdString();
    EXPECT_EQ(window->state().StationSource, 16);
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->currentIndex(), 0);
}

} // namespace
