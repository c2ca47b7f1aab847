#include "cataloguepage.h"
#include "mainwindowfixture.h"

#include "platform/nowplaying.h"
#include "stations/clickablelabel.h"
#include "stations/sponsorlinks.h"
#include "stations/stationpanels.h"
#include "stations/stationplayer.h"

#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

class StationsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(1);
        browser("WebBrowser3").finish(QStringLiteral("catalogue"), cataloguePage());
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(QLatin1Char('\n')).toStdString();
    }
    StationPanels &panels() { return window->panels(); }
    // The captions as a menu shows them.
    QStringList menuCaptions(QMenu *menu) const
    {
        QStringList captions;
        for (QAction *action : menu->actions())
            captions << action->iconText();
        return captions;
    }
};

TEST_F(StationsTest, CatalogueFillsPanelsTopDownFromSlotFifteen)
{
    EXPECT_TRUE(panels().cover(1)->isHidden());
    EXPECT_TRUE(panels().cover(3)->isHidden());
    for (int panel : {1, 3}) {
        for (int slot = 1; slot <= 15; ++slot) {
            ClickableLabel *entry = panels().entry(panel, slot);
            EXPECT_FALSE(entry->isHidden());
            EXPECT_EQ(entry->y(), (15 - slot) * 18) << panel << "/" << slot;
        }
    }
    EXPECT_EQ(panels().entry(1, 15)->text(), QStringLiteral("label m15"));
    EXPECT_EQ(panels().entry(1, 15)->toolTip(), QStringLiteral("Clicca per accedere: m15"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sonvela for Radio Test"));
    const ListeningArea &area = window->listeningArea();
    EXPECT_TRUE(area.Pnl_Ascolta->isTabVisible(area.Tb_Catalogo));
    EXPECT_EQ(area.Pnl_Ascolta->currentIndex(), area.Tb_Catalogo);
    EXPECT_EQ(browser("Wb_Catalogo").navigations.last(), QStringLiteral("http://radio.test/tab"));
    EXPECT_EQ(browser("WB_SponsorAggiuntivi").navigations.last(),
              QStringLiteral("http://127.0.0.1:18090/comunity/randomfacebook.asp"));
}

TEST_F(StationsTest, TraySubmenusKeepTheirFixedOrders)
{
    TrayIcon &tray = window->tray();
    QStringList most, fresh;
    for (int slot = 15; slot >= 1; --slot)
        most << QStringLiteral("m%1").arg(slot);
    for (int slot = 1; slot <= 15; ++slot)
        fresh << (slot == 2 ? QStringLiteral("Rock & Blues Network") : QStringLiteral("n%1").arg(slot));
    EXPECT_EQ(menuCaptions(tray.Leradiopicliccate1), most);
    EXPECT_EQ(menuCaptions(tray.New1), fresh);
}

TEST_F(StationsTest, HoverLightsTheBarOfTheRowAndDescribes)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto moveTo = [this](QWidget *w, QPoint at) { QTest::mouseMove(window->windowHandle(), w->mapTo(window.get(), at)); };
    panels().PageControl1->setCurrentIndex(2);
    moveTo(panels().entry(3, 1), QPoint(65, 7));
    EXPECT_FALSE(panels().bar(3, 15)->isHidden());
    EXPECT_EQ(panels().bar(3, 15)->y(), 14 * 18);
    EXPECT_EQ(window->Lbl_DescrizioneTasto()->text(), QStringLiteral("Clicca per ascoltare n1"));
    panels().PageControl1->setCurrentIndex(0);
    moveTo(panels().entry(1, 15), QPoint(65, 7));
    EXPECT_TRUE(panels().bar(3, 15)->isHidden());
    EXPECT_EQ(panels().bar(1, 15)->y(), 0);
    EXPECT_FALSE(panels().bar(1, 15)->isHidden());
    EXPECT_TRUE(window->Lbl_DescrizioneTasto()->isVisible());

    // Onto the tab strip: the description goes, the entry's bar stays lit.
    QTabBar *strip = panels().PageControl1->tabBar();
    moveTo(strip, strip->tabRect(1).center());
    EXPECT_FALSE(window->Lbl_DescrizioneTasto()->isVisible());
    EXPECT_FALSE(panels().bar(1, 15)->isHidden());
}

// Without a mouse: arrows walk a panel as shown, stopping at its ends; Enter plays.
TEST_F(StationsTest, KeyboardWalksAPanelAndPlays)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    panels().entry(1, 15)->setFocus(Qt::TabFocusReason);
    const std::tuple<int, int, int> steps[] = {{Qt::Key_Down, 15, 14}, {Qt::Key_Up, 14, 15}, {Qt::Key_Up, 15, 15}};
    for (const auto &[key, from, to] : steps) {
        QTest::keyClick(panels().entry(1, from), Qt::Key(key));
        EXPECT_EQ(QApplication::focusWidget(), panels().entry(1, to)) << from << " -> " << to;
    }
    EXPECT_EQ(panels().entry(1, 15)->nextInFocusChain(), panels().entry(1, 14)) << "Tab follows the eye";
    QTest::keyClick(panels().entry(1, 15), Qt::Key_Down);
    EXPECT_EQ(window->Lbl_DescrizioneTasto()->text(), QStringLiteral("Clicca per ascoltare m14"));
    QTest::keyClick(panels().entry(1, 14), Qt::Key_Return);
    EXPECT_EQ(browser("Wb_Radio").navigations.last(), QStringLiteral("http://radio.test/m14"));
}

TEST_F(StationsTest, EntryOfPanelThreeSetsItsSourceAndLoadsItsPage)
{
    QTest::mouseClick(panels().entry(3, 7), Qt::LeftButton);
    EXPECT_EQ(window->state().StationSource, 47);
    EXPECT_EQ(browser("Wb_Radio").navigations.last(), QStringLiteral("http://radio.test/n7"));
    EXPECT_EQ(browser("WebBrowser2").navigations.last(), mirror(1) + QStringLiteral("/Radio/radio.asp?dettaglio=0&Radio=0"));
    EXPECT_EQ(browser("WB_SponsorAggiuntivi").navigations.last(), mirror(1) + QStringLiteral("/Radio/SponsorAggiuntivi.asp"));
    EXPECT_TRUE(window->state().StationStarted);
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->geometry(), QRect(1, 1, 559, 392));
}

TEST_F(StationsTest, FavouritesPlayByIdWithTheirSource)
{
    auto &favourites = window->state().options.personalStations;
    favourites[2] = PersonalStation{77, QStringLiteral("Fav Three"), QStringLiteral("fav 3")};
    window->refreshFavourites();
    QTest::mouseClick(panels().entry(2, 3), Qt::LeftButton);
    EXPECT_EQ(window->state().StationSource, 23);
    EXPECT_EQ(browser("Wb_Radio").navigations.last(), mirror(1) + QStringLiteral("/Radio/mostraRadio.asp?Id=77"));

    window->tray().radioEntry(2, 3)->trigger();
    EXPECT_EQ(window->state().StationSource, 0);
}

TEST_F(StationsTest, EmptyFavouriteSlotPlaysNothing)
{
    const int before = browser("Wb_Radio").navigations.size();
    window->player().playStationById(0, 21);
    EXPECT_EQ(browser("Wb_Radio").navigations.size(), before);
    EXPECT_EQ(window->state().StationSource, -1);
}

TEST_F(StationsTest, FavouritesSeparatorsStopAtTheLastEntry)
{
    auto &favourites = window->state().options.personalStations;
    for (int n = 0; n < 3; ++n)
        favourites[static_cast<std::size_t>(n)] = PersonalStation{n + 1, QStringLiteral("F%1").arg(n + 1), QStringLiteral("fav %1").arg(n + 1)};
    window->refreshFavourites();
    EXPECT_FALSE(panels().separator(2, 1)->isHidden());
    EXPECT_FALSE(panels().separator(2, 2)->isHidden());
    EXPECT_TRUE(panels().separator(2, 3)->isHidden());
    EXPECT_TRUE(panels().entry(2, 4)->isHidden());
    EXPECT_TRUE(window->tray().radioEntry(2, 3)->isVisible());
    EXPECT_FALSE(window->tray().radioEntry(2, 4)->isVisible());
}

// Favourites that arrive later in the run (a login, a preference answer)
// turn the tray submenu on; an empty one cannot be opened.
TEST_F(StationsTest, TrayFavouritesSubmenuFollowsTheFavourites)
{
    QMenu *submenu = window->tray().Lemieradiopreferite1;
    auto &favourites = window->state().options.personalStations;
    favourites = {};
    window->refreshFavourites();
    EXPECT_FALSE(submenu->menuAction()->isEnabled());
    favourites[1] = PersonalStation{7, QStringLiteral("Sette"), QStringLiteral("sette")};
    window->refreshFavourites();
    EXPECT_TRUE(submenu->menuAction()->isEnabled());
    ASSERT_EQ(submenu->actions().size(), 15);
    EXPECT_EQ(submenu->actions().at(1), window->tray().radioEntry(2, 2));
    EXPECT_TRUE(submenu->actions().at(1)->isVisible());
    EXPECT_EQ(submenu->actions().at(1)->text(), QStringLiteral("Sette"));
}

// The arrows walk the shown page's history, but the catalogue tab has none.
TEST_F(StationsTest, ArrowsWalkThePlayerButNotTheCatalogueTab)
{
    auto *back = window->findChild<QWidget *>(QStringLiteral("ImgIndietro"));
    auto *forward = window->findChild<QWidget *>(QStringLiteral("ImgAvanti"));
    ASSERT_TRUE(back && forward);
    QTabWidget *tabs = window->listeningArea().Pnl_Ascolta;
    tabs->setTabVisible(window->listeningArea().Tb_Catalogo, true);
    tabs->setCurrentIndex(window->listeningArea().Tb_Catalogo);
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(browser("Wb_Catalogo").backs + browser("Wb_Catalogo").forwards, 0);
    tabs->setCurrentIndex(0);
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(browser("Wb_Radio").backs, 1);
    EXPECT_EQ(browser("Wb_Radio").forwards, 1);
}

TEST_F(StationsTest, ServiceLabelBlanksThePlayerThenOpensTheSearch)
{
    QTest::mouseClick(panels().Label2, Qt::LeftButton);
    const QStringList loads = browser("Wb_Radio").navigations;
    ASSERT_GE(loads.size(), 2);
    EXPECT_EQ(loads[loads.size() - 2], QStringLiteral("About:Blank"));
    EXPECT_EQ(loads.last(), mirror(1) + QStringLiteral("/Radio/ricercaRadio.asp"));
    EXPECT_EQ(window->state().StationSource, 16);
}

TEST_F(StationsTest, HotVideoPutsTabsLeftAndFavouritesSwitchItOff)
{
    window->sponsorLinks().hotVideo();
    EXPECT_TRUE(window->state().HotVideoMode);
    EXPECT_EQ(window->state().StationSource, 19);
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->tabPosition(), QTabWidget::West);
    EXPECT_EQ(browser("Wb_Radio").navigations.last(), mirror(1) + QStringLiteral("/Radio/hot/default.asp"));
    // The tray favourites play by id and keep the HOT video page.
    window->state().options.personalStations[0] = PersonalStation{5, QStringLiteral("F"), QStringLiteral("f")};
    window->tray().radioEntry(2, 1)->trigger();
    EXPECT_EQ(browser("Wb_Radio").navigations.last(), mirror(1) + QStringLiteral("/Radio/hot/default.asp"));
    EXPECT_EQ(browser("WebBrowser2").navigations.last(), mirror(1) + QStringLiteral("/Radio/hot/sponsor.asp?dettaglio=0&Radio=0"));
    // Only open service page puts the tabs back on top.
    window->player().openServicePage(17);
    EXPECT_FALSE(window->state().HotVideoMode);
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->tabPosition(), QTabWidget::North);
}

TEST_F(StationsTest, PersonalAddressCancelledChangesNothingButHotVideo)
{
    window->state().HotVideoMode = true;
    const int before = browser("Wb_Radio").navigations.size();
    window->sponsorLinks().personalWebAddress();
    EXPECT_FALSE(window->state().HotVideoMode);
    EXPECT_EQ(browser("Wb_Radio").navigations.size(), before);
    dialogs.inputAnswers.push_back(QStringLiteral("www.example.test"));
    window->sponsorLinks().personalWebAddress();
    EXPECT_EQ(browser("Wb_Radio").navigations.last(), QStringLiteral("www.example.test"));
    EXPECT_EQ(window->state().StationSource, 19);
}

TEST_F(StationsTest, SideSponsorTitleRestoresTheStandardCaption)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sonvela for Radio Test"));
    browser("WB_SponsorAggiuntivi").setTitle(QStringLiteral("anything"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sonvela by Velmora - \"Versione 4.8\""));
}

TEST_F(StationsTest, OutsideLinksOpenInTheDefaultBrowser)
{
    window->menu().Helpforum1->trigger();
    window->menu().PubblicitsuSonvela1->trigger();
    window->menu().MakerSiteItem->trigger();
    EXPECT_EQ(shell.opened, (QStringList{QStringLiteral("http://127.0.0.1:18091/forum"),
                                         QStringLiteral("http://127.0.0.1:18090/pubblicitasoftware.asp"),
                                         QStringLiteral("http://127.0.0.1:18091")}));
}

TEST_F(StationsTest, NoticeNamesTheStationWhenThePageLoads)
{
    window->state().options.messenger = true;
    QTest::mouseClick(panels().entry(1, 4), Qt::LeftButton);
    browser("Wb_Radio").finish(QStringLiteral("station"));
    ASSERT_FALSE(nowPlaying.tracks.empty());
    EXPECT_EQ(nowPlaying.tracks.back().title, QStringLiteral("m4"));
    EXPECT_TRUE(nowPlaying.tracks.back().artist.startsWith(QStringLiteral("Sonvela by ")));
    nowPlaying.tracks.clear();
    window->close();
    EXPECT_EQ(nowPlaying.tracks, (std::vector<NowPlaying::Track>(2))) << "two withdrawals";
}

// Media keys and desktop widgets: the commands the desktop's player sends.
TEST_F(StationsTest, DesktopPlayerStepsThroughFavouritesAndFollowsThePageSound)
{
    using Status = NowPlaying::Status;
    PersonalStations &favourites = window->state().options.personalStations;
    favourites[1] = { 702, QStringLiteral("Jazz"), QStringLiteral("Jazz") };
    favourites[4] = { 705, QStringLiteral("Rock"), QStringLiteral("Rock") };
    window->refreshFavourites();
    NowPlaying::Commands *remote = nowPlaying.commands;
    ASSERT_NE(remote, nullptr);
    EXPECT_EQ(nowPlaying.status, Status::Stopped);
    EXPECT_EQ(nowPlaying.abilities, (NowPlaying::Abilities { true, false, true, true }));

    FakeBrowser &radio = browser("Wb_Radio");
    const auto playing = [&radio] { return radio.navigations.back().section(QLatin1Char('='), -1).toInt(); };
    remote->play(); // nothing in the player yet: the first favourite
    EXPECT_EQ(playing(), 702);
    EXPECT_EQ(window->state().StationSource, 22);
    // The page names itself, as the service's station pages do: still the same favourite.
    radio.finish(QStringLiteral("RADIO:-Jazz"));
    ASSERT_EQ(window->state().StationSource, 18);
    EXPECT_EQ(nowPlaying.status, Status::Paused) << "loaded, not yet sounding";
    radio.sound(true);
    EXPECT_EQ(nowPlaying.status, Status::Playing);

    remote->playPause();
    radio.sound(false);
    EXPECT_EQ(nowPlaying.status, Status::Paused);
    remote->playPause();
    radio.sound(true);
    EXPECT_EQ(radio.audioRequests, (std::vector<bool> { true, false }));
    EXPECT_EQ(nowPlaying.status, Status::Playing);

    remote->next();
    EXPECT_EQ(playing(), 705);
    remote->next(); // round the end, past the empty slots
    EXPECT_EQ(playing(), 702);
    remote->previous();
    EXPECT_EQ(playing(), 705);
    EXPECT_EQ(window->state().StationSource, 25);

    remote->stop();
    radio.sound(false);
    EXPECT_EQ(nowPlaying.status, Status::Stopped);
    remote->play();
    EXPECT_EQ(radio.audioRequests.back(), false) << "play resumes the station in the player";
    EXPECT_EQ(playing(), 705);

    // With one favourite, and that one playing, there is nowhere to step.
    favourites[1] = {};
    window->refreshFavourites();
    EXPECT_EQ(nowPlaying.abilities, (NowPlaying::Abilities { true, true, false, false }));
    const int loads = radio.navigations.size();
    remote->next();
    EXPECT_EQ(radio.navigations.size(), loads);

    window->hide();
    remote->raise();
    EXPECT_TRUE(window->isVisible());
}

} // namespace
