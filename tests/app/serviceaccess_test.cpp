#include "mainwindowfixture.h"

#include "service/serviceaccess.h"

#include <QLabel>

namespace {

const QString Failed = QStringLiteral("Impossibile visualizzare la pagina");

// Finishes the access page with `title` on whatever mirror it was sent to.
void answerAccess(FakeBrowser &principale, const QString &title)
{
    principale.finish(title);
}

TEST_F(MainWindowTest, FailoverSettlesOnTheFirstMirrorThatAnswers)
{
    start(1);
    FakeBrowser &principale = browser("WB_Principale");
    FakeBrowser &catalogue = browser("WebBrowser3");
    answerAccess(principale, Failed);
    answerAccess(principale, Failed);
    answerAccess(principale, Failed);
    EXPECT_EQ(window->state().mirrors.index(), 4);
    EXPECT_TRUE(principale.navigations.last().startsWith(mirror(4)));
    answerAccess(principale, QStringLiteral("ACCESSOok"));
    EXPECT_EQ(window->state().mirrors.index(), 4);
    ASSERT_EQ(catalogue.navigations.size(), 2);
    EXPECT_TRUE(catalogue.navigations.last().startsWith(mirror(4) + QStringLiteral("/Radio/CaricaDati.asp")));
    EXPECT_EQ(litDots(), std::vector<int>{4});
}

TEST_F(MainWindowTest, FailureOnTheSixthMirrorWrapsToTheFirst)
{
    start(6);
    browser("WB_Principale").finish(Failed);
    EXPECT_EQ(window->state().mirrors.index(), 1);
    EXPECT_EQ(litDots(), std::vector<int>{1});
}

TEST_F(MainWindowTest, SuccessOnTheFirstMirrorLeavesTheCatalogueAlone)
{
    start(1);
    browser("WB_Principale").finish(QStringLiteral("accessoOK"));
    EXPECT_EQ(browser("WebBrowser3").navigations.size(), 1);
}

// The start-up catalogue went to a mirror that failed; when the rotation then
// settles on mirror 1 the catalogue is asked for there, once.
TEST_F(MainWindowTest, SuccessOnTheFirstMirrorAfterAFailedCatalogueAsksForItAgain)
{
    start(6);
    FakeBrowser &catalogue = browser("WebBrowser3");
    catalogue.finish(Failed);
    browser("WB_Principale").finish(Failed);
    ASSERT_EQ(window->state().mirrors.index(), 1);
    browser("WB_Principale").finish(QStringLiteral("accessoOK"));
    ASSERT_EQ(catalogue.navigations.size(), 2);
    EXPECT_TRUE(catalogue.navigations.last().startsWith(mirror(1) + QStringLiteral("/Radio/CaricaDati.asp")));
    Q_EMIT browser("WB_Principale").progressChange(100, 100); // while that answer is on its way
    EXPECT_EQ(catalogue.navigations.size(), 2);
}

TEST_F(MainWindowTest, TitleEqualToTheAddressChangesNothingWhileLoading)
{
    start(2);
    FakeBrowser &principale = browser("WB_Principale");
    principale.setTitle(principale.navigations.first().toLower());
    Q_EMIT principale.progressChange(100, 100); // still busy: the page is on its way
    EXPECT_EQ(window->state().mirrors.index(), 2);
    EXPECT_EQ(principale.navigations.size(), 1);
}

TEST_F(MainWindowTest, FinishedPageWithoutTitleIsAFailedMirror)
{
    // An empty answer keeps the address as its title: waiting on it would
    // leave the client on a broken mirror for good.
    start(2);
    FakeBrowser &principale = browser("WB_Principale");
    principale.finish(principale.navigations.first());
    EXPECT_EQ(window->state().mirrors.index(), 3);
    EXPECT_EQ(principale.navigations.size(), 2);
}

TEST_F(MainWindowTest, AccessFailureReloadsPreferencesOnlyWithAUser)
{
    writeSetting("UsrSV.txt", "a@b.c\r\npw\r\n42\r\n");
    start(2);
    FakeBrowser &preferences = browser("Wb_CaricaPreferenze");
    ASSERT_EQ(preferences.navigations.size(), 1);
    browser("WB_Principale").finish(Failed);
    ASSERT_EQ(preferences.navigations.size(), 2);
    EXPECT_EQ(preferences.navigations.last(), mirror(3) + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente=42"));
}

// With every mirror down the client goes round the six mirrors at once, then
// waits before each further round (2 s, doubling), so it does not spin; the
// dots step on every failure and the addresses stay the same.
TEST_F(MainWindowTest, OfflineAccessRoundsWaitLongerEachTimeUntilAMirrorAnswers)
{
    start(2);
    FakeBrowser &principale = browser("WB_Principale");
    const auto failRound = [&] {
        for (int n = 0; n < 6; ++n)
            principale.finish(Failed);
    };
    failRound();
    EXPECT_EQ(principale.navigations.size(), 6) << "five mirrors at once, the sixth failure waits";
    EXPECT_EQ(window->state().mirrors.index(), 2);
    EXPECT_EQ(litDots(), std::vector<int>{2});
    clock.advance(1999);
    EXPECT_EQ(principale.navigations.size(), 6);
    clock.advance(1);
    ASSERT_EQ(principale.navigations.size(), 7);
    EXPECT_EQ(principale.navigations.last(), principale.navigations.first());

    failRound();
    clock.advance(3999);
    EXPECT_EQ(principale.navigations.size(), 12);
    clock.advance(1);
    EXPECT_EQ(principale.navigations.size(), 13);

    for (int round = 0; round < 8; ++round) {
        failRound();
        clock.advance(60000);
    }
    const qsizetype before = principale.navigations.size();
    failRound();
    clock.advance(59999);
    EXPECT_EQ(principale.navigations.size(), before + 5) << "the wait stops growing at 60 s";
    clock.advance(1);

    principale.finish(QStringLiteral("accessoOK"));
    failRound();
    clock.advance(2000);
    EXPECT_EQ(principale.navigations.size(), before + 12) << "a success starts the waits over";
}

// A wait in progress is dropped when the access page is sent again anyway.
TEST_F(MainWindowTest, AWaitingAccessRequestGivesWayToANewerOne)
{
    start(1);
    FakeBrowser &principale = browser("WB_Principale");
    for (int n = 0; n < 6; ++n)
        principale.finish(Failed);
    window->serviceAccess().sendAccessRequest();
    clock.advance(60000);
    EXPECT_EQ(principale.navigations.size(), 7);
}

class StripCheck : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(6);
    }
    void stripShows(const QString &location, const QString &title)
    {
        FakeBrowser &strip = browser("WebBrowser2");
        strip.location = location;
        strip.document = true;
        strip.setTitle(title);
    }
};

TEST_F(StripCheck, SponsorTitleFromAWebAddressChangesNothing)
{
    stripShows(mirror(6) + QStringLiteral("/Radio/radio.asp"), QStringLiteral("SPONSOR"));
    stripShows(mirror(6) + QStringLiteral("/Radio/radio.asp"), QStringLiteral("http://whatever"));
    EXPECT_EQ(window->state().mirrors.index(), 6);
    EXPECT_TRUE(browser("WebBrowser2").navigations.isEmpty());
}

TEST_F(StripCheck, OtherTitleMovesOnAndReloadsTheStrip)
{
    stripShows(mirror(6) + QStringLiteral("/Radio/radio.asp"), QStringLiteral("Errore"));
    EXPECT_EQ(window->state().mirrors.index(), 1);
    EXPECT_EQ(litDots(), std::vector<int>{1});
    EXPECT_EQ(browser("WebBrowser2").navigations.last(),
              mirror(1) + QStringLiteral("/Radio/radio.asp?dettaglio=0&Radio=0"));
}

TEST_F(StripCheck, OfflineStripWaitsAfterEachRound)
{
    for (int n = 0; n < 6; ++n)
        stripShows(browser("WebBrowser2").location, QStringLiteral("Errore"));
    EXPECT_EQ(browser("WebBrowser2").navigations.size(), 5);
    EXPECT_EQ(window->state().mirrors.index(), 6);
    clock.advance(2000);
    ASSERT_EQ(browser("WebBrowser2").navigations.size(), 6);
    EXPECT_EQ(browser("WebBrowser2").navigations.last(),
              mirror(6) + QStringLiteral("/Radio/radio.asp?dettaglio=0&Radio=0"));
}

// HOT video's strip stays: a retry still waiting is dropped, not sent later.
TEST_F(StripCheck, HotVideoDropsAWaitingStripRetry)
{
    for (int n = 0; n < 6; ++n)
        stripShows(browser("WebBrowser2").location, QStringLiteral("Errore"));
    window->menu().SostieniSonvela1->trigger();
    clock.advance(60000);
    EXPECT_EQ(browser("WebBrowser2").navigations.last(), mirror(6) + QStringLiteral("/Radio/hot/sponsor.asp?dettaglio=0&Radio=0"));
}

TEST_F(StripCheck, LocalFileOrNonWebAddressMovesOn)
{
    stripShows(QStringLiteral("file:///tmp/x.html"), QStringLiteral("sponsor"));
    EXPECT_EQ(window->state().mirrors.index(), 1);
    stripShows(QStringLiteral("about:neterror"), QStringLiteral("sponsor"));
    EXPECT_EQ(window->state().mirrors.index(), 2);
}

class StationFeedback : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(1);
        for (int s = 1; s <= 15; ++s)
            window->state().catalogue.MostClicked[s].Name = QStringLiteral("Station %1").arg(s);
    }
    QLabel *loadingLine() const { return window->listeningArea().Lbl_Caricamento; }
};

TEST_F(StationFeedback, CaricamentoStartsTheRefreshTimerOnlyForTheWholeTitle)
{
    FakeBrowser &radio = browser("Wb_Radio");
    QTimer &timer = window->serviceAccess().aggiornaTimer();
    radio.setTitle(QStringLiteral("Caricamento in corso"));
    EXPECT_FALSE(timer.isActive());
    radio.setTitle(QStringLiteral("CARICAMENTO"));
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 5000);
    window->serviceAccess().aggiornaTimerTimer();
    EXPECT_EQ(radio.refreshes, 1);
    EXPECT_FALSE(timer.isActive());
    radio.setTitle(QStringLiteral("caricamento"));
    radio.setTitle(QStringLiteral("RADIO:-Uno"));
    EXPECT_FALSE(timer.isActive());
}

TEST_F(StationFeedback, SelfNamingPageSetsNameAndSource)
{
    FakeBrowser &radio = browser("Wb_Radio");
    radio.setTitle(QStringLiteral("radio:-Rock FM"));
    EXPECT_EQ(window->state().PageStationName, QStringLiteral("Rock FM"));
    EXPECT_EQ(window->state().StationSource, 18);
    radio.setTitle(QStringLiteral("RADIO:-"));
    EXPECT_EQ(window->state().PageStationName, QStringLiteral("Rock FM"));
}

TEST_F(StationFeedback, FinishedLoadShowsTheListeningHintInTheCurrentLanguage)
{
    FakeBrowser &radio = browser("Wb_Radio");
    window->menu().Rimpicciolisciinalto1->trigger();
    window->state().StationSource = 3;
    Q_EMIT radio.progressChange(10, 100);
    EXPECT_FALSE(loadingLine()->isHidden());
    EXPECT_EQ(loadingLine()->text(), QStringLiteral("Caricamento in corso"));
    radio.finish(QStringLiteral("x"));
    EXPECT_TRUE(loadingLine()->isHidden());
    EXPECT_EQ(window->tray().hint(), QStringLiteral("Stai ascoltando: \"Station 3\""));
    EXPECT_EQ(window->toolTip(), window->tray().hint());

    window->applyLanguage(2);
    radio.finish(QStringLiteral("x"));
    EXPECT_EQ(window->tray().hint(), QStringLiteral("You are listening: \"Station 3\""));

    radio.setTitle(QStringLiteral("RADIO:-Named"));
    radio.finish(QStringLiteral("RADIO:-Named"));
    EXPECT_EQ(window->tray().hint(), QStringLiteral("You are listening: \"Named\""));
    // The newsletter page is code 18 too, but not the station that named itself.
    window->menu().Newsletter1->trigger();
    radio.finish(QStringLiteral("Newsletter"));
    EXPECT_EQ(window->state().StationSource, 18);
    EXPECT_TRUE(window->tray().hint().isEmpty());
    window->state().StationSource = 40;
    radio.finish(QStringLiteral("x"));
    EXPECT_TRUE(window->tray().hint().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("You are listening: \"Named\"")) << "compact: the last name stays";
}

} // namespace
