#include "web/websections.h"

#include "service/mirrorpool.h"
#include "stations/listeningarea.h"
#include "support/fakebrowser.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Product = QStringLiteral("http://127.0.0.1:18090");
const QString Blank = QStringLiteral("about:blank");

// The listening area as the main window builds it: nine pages, the section
// browsers on pages 4 to 7, the sponsor strip below.
class WebSectionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(716, 477);
        tabs = new QTabWidget(&window);
        tabs->setGeometry(1, 1, 559, 392);
        const char *const names[] = {"Radio - Web Site", "Audio Recording", "Video", "Forum", "Hotel",
                                     "Community", "Novità software", "Catalogo", "Sudoku"};
        for (const char *name : names)
            tabs->addTab(new QWidget, QString::fromUtf8(name));
        for (int page = 4; page <= 7; ++page)
            browsers.createVisibleBrowser(tabs->widget(page));
        tabs->setTabVisible(2, false);
        tabs->setTabVisible(3, false);
        strip = new QWidget(&window);
        strip->setGeometry(0, 407, 559, 70);
        mirrors.setHost(3, QStringLiteral("127.0.0.1:18083"));
        mirrors.setIndex(3);

        area.Pnl_Ascolta = tabs;
        area.Panel1 = strip;
        area.WebBrowser2 = browsers.createVisibleBrowser(strip);
        area.Wb_Catalogo = browsers.made[3];
        sections = std::make_unique<WebSections>(
            area, WebSections::Browsers{browsers.made[0], browsers.made[1], browsers.made[2]}, mirrors,
            WebSections::Fields{started, hot}, Product, [](int n) { return n == 60 ? QStringLiteral("Caricamento in corso") : QString(); });
        sections->setRecorderVisit([this] { ++recorderVisits; });
        window.show();
    }

    FakeBrowser &hotel() { return *browsers.made[0]; }
    FakeBrowser &community() { return *browsers.made[1]; }
    FakeBrowser &news() { return *browsers.made[2]; }
    FakeBrowser &sponsor() { return *browsers.made[4]; }

    void click(int page)
    {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
        ASSERT_EQ(tabs->currentIndex(), page);
    }

    QWidget window;
    QTabWidget *tabs = nullptr;
    QWidget *strip = nullptr;
    FakeBrowserFactory browsers;
    MirrorPool mirrors;
    ListeningArea area;
    bool started = false;
    bool hot = false;
    int recorderVisits = 0;
    std::unique_ptr<WebSections> sections;
};

TEST_F(WebSectionsTest, CommunityThenHotelThenCommunityBeforeAnyStation)
{
    click(5);
    EXPECT_EQ(tabs->geometry(), QRect(1, 1, 559, 392)) << "the sponsor layout shrinks the area";
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(sponsor().navigations,
              QStringList{QStringLiteral("http://127.0.0.1:18083/Radio/radio.asp?dettaglio=0&Radio=0")});
    EXPECT_EQ(community().navigations, QStringList{Product + QStringLiteral("/plugin/fb/")});

    click(4);
    EXPECT_EQ(tabs->geometry(), QRect(1, 1, 559, 459)) << "full height again";
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(community().locationUrl(), Blank);
    EXPECT_EQ(hotel().navigations, QStringList{Product + QStringLiteral("/plugin/vacanze/")});

    click(5);
    EXPECT_EQ(community().navigations.count(Product + QStringLiteral("/plugin/fb/")), 1);
    EXPECT_EQ(community().backs, 1);
    EXPECT_EQ(hotel().locationUrl(), Blank);
    EXPECT_EQ(sponsor().navigations.size(), 2) << "the sponsor page is asked again on each such visit";
}

TEST_F(WebSectionsTest, PagesChangedInCodeRunNothing)
{
    click(6);
    tabs->setCurrentIndex(0); // as playing a station does
    tabs->setCurrentIndex(8);
    EXPECT_EQ(news().navigations.size(), 1) << "no blanking without a user's page change";
    click(0);
    EXPECT_EQ(news().locationUrl(), Blank);
}

TEST_F(WebSectionsTest, AfterTheFirstStationTheLayoutIsLeftAlone)
{
    started = true;
    tabs->setGeometry(1, 1, 559, 392);
    strip->show();
    for (int page : {5, 4, 8, 0}) {
        click(page);
        EXPECT_EQ(tabs->geometry(), QRect(1, 1, 559, 392)) << page;
        EXPECT_TRUE(strip->isVisible()) << page;
    }
    EXPECT_TRUE(sponsor().navigations.isEmpty());
}

TEST_F(WebSectionsTest, HotVideoAsksTheHotSponsorPage)
{
    hot = true;
    click(8);
    EXPECT_EQ(sponsor().navigations,
              QStringList{QStringLiteral("http://127.0.0.1:18083/Radio/hot/sponsor.asp?dettaglio=0&Radio=0")});
}

TEST_F(WebSectionsTest, RecorderAndCatalogueLeaveSectionsPlaying)
{
    click(4);
    tabs->setTabVisible(7, true);
    click(7);
    click(1);
    EXPECT_EQ(hotel().navigations.size(), 1) << "the hotel page (and its sound) stays";
    EXPECT_EQ(recorderVisits, 1);
    sections->Pnl_AscoltaChange(); // the recorder's installation panel asks again
    EXPECT_EQ(recorderVisits, 2);
}

TEST_F(WebSectionsTest, LeavingTwiceDoesNotStackBlankPages)
{
    click(4);
    click(0);
    click(8);
    EXPECT_EQ(hotel().navigations.count(Blank), 1);
    click(4);
    EXPECT_EQ(hotel().backs, 1);
}

TEST_F(WebSectionsTest, LoadingLabelsFollowProgressAndFillTheBottom)
{
    click(6);
    auto *label = tabs->findChild<QLabel *>(QStringLiteral("Lbl_CaricamentoNew"));
    ASSERT_NE(label, nullptr);
    Q_EMIT news().progressChange(20, 100);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("Caricamento in corso"));
    EXPECT_EQ(label->geometry().bottom() + 3, tabs->widget(6)->height());
    EXPECT_EQ(label->width(), tabs->widget(6)->width());
    news().finish(QStringLiteral("pagina non trovata")); // a failed load ends like any other
    EXPECT_FALSE(label->isVisible());
    for (const char *name : {"Lbl_CaricamentoHotel", "Lbl_CaricamentoCommunity", "Lbl_caricamentoCatalogo"})
        EXPECT_NE(tabs->findChild<QLabel *>(QLatin1String(name)), nullptr) << name;
}

} // namespace
