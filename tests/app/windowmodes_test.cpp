#include "mainwindowfixture.h"

#include "app/windowmodes.h"
#include "stations/clickablelabel.h"
#include "stations/stationpanels.h"

#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

namespace {

class ShownWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        browsers.views = true;
        start(1);
        window->move(120, 80);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QWidget *child(const char *name) const { return window->findChild<QWidget *>(QLatin1String(name)); }
};

TEST_F(ShownWindowTest, DesignClientAreaAndControls)
{
    EXPECT_EQ(child("Pnl_Tv")->size(), QSize(716, 477));
    EXPECT_EQ(window->centralWidget()->size(), QSize(716, 477));
    EXPECT_EQ(child("Panel1")->geometry(), QRect(0, 407, 559, 70));
    EXPECT_EQ(child("Pnl_SponsorAgg")->geometry(), QRect(563, 332, 153, 145));
    EXPECT_EQ(child("Img_Server1")->geometry(), QRect(561, 51, 7, 7));
    EXPECT_EQ(child("Img_Server0")->geometry(), QRect(604, 51, 7, 7));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(ShownWindowTest, CompactModeGivesBackPositionAndCaption)
{
    WindowModes &modes = window->windowModes();
    const QPoint before = window->pos();
    window->setWindowTitle(QStringLiteral("Sonvela for something"));
    modes.Rimpicciolisciinalto1Click();
    EXPECT_TRUE(modes.compact());
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_TRUE(window->windowTitle().isEmpty()); // no station yet: the hint is empty
    EXPECT_TRUE(child("Pnl_Tv")->isHidden());
    // The thin bar: the preferences page behind the panels does not count.
    EXPECT_EQ(window->centralWidget()->size(), QSize(393, 2));
    EXPECT_FALSE(window->menu().RadioMenu->menuAction()->isVisible());
    EXPECT_EQ(window->menu().Rimpicciolisciinalto1->text(), QStringLiteral("Ripristina"));
    modes.Rimpicciolisciinalto1Click();
    EXPECT_FALSE(modes.compact());
    EXPECT_EQ(window->pos(), before);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sonvela by Velmora - \"Versione 4.8\""));
    EXPECT_TRUE(window->menu().RadioMenu->menuAction()->isVisible());
    EXPECT_EQ(window->centralWidget()->size(), QSize(716, 477));
}

TEST_F(ShownWindowTest, LeavingFullScreenRestoresTheDesignLayout)
{
    WindowModes &modes = window->windowModes();
    window->listeningArea().Pnl_Ascolta->setGeometry(5, 5, 100, 100);
    modes.Atuttoschermo1Click();
    EXPECT_TRUE(modes.fullScreen());
    EXPECT_FALSE(window->menu().Rimpicciolisciinalto1->isVisible());
    EXPECT_TRUE(child("Pnl_SponsorAgg")->isHidden());
    modes.Atuttoschermo1Click();
    EXPECT_FALSE(modes.fullScreen());
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->geometry(), QRect(1, 1, 559, 392));
    EXPECT_EQ(child("Sfondo")->geometry(), QRect(0, 14, 561, 463));
    EXPECT_FALSE(child("Pnl_SponsorAgg")->isHidden());
    EXPECT_EQ(window->menu().Atuttoschermo1->text(), QStringLiteral("A tutto schermo"));
}

// The window manager gives the maximised window its size later, and may
// change it again: the player fills whatever size the client area gets.
TEST_F(ShownWindowTest, FullScreenFollowsTheSizeTheWindowGets)
{
    WindowModes &modes = window->windowModes();
    modes.Atuttoschermo1Click();
    window->resize(900, 650);
    QCoreApplication::processEvents();
    const QSize client = window->centralWidget()->size();
    ASSERT_GT(client.width(), 716);
    EXPECT_EQ(child("Pnl_Tv")->geometry(), QRect(QPoint(0, 0), client));
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->geometry(), QRect(0, 0, client.width(), client.height() - 70));
    EXPECT_EQ(child("Panel1")->geometry().top(), client.height() - 70);
    modes.Atuttoschermo1Click();
    window->resize(1000, 700); // a late size of the maximised window is not followed any more
    QCoreApplication::processEvents();
    EXPECT_EQ(window->listeningArea().Pnl_Ascolta->geometry(), QRect(1, 1, 559, 392));
    EXPECT_EQ(child("Pnl_Tv")->size(), QSize(716, 477));
}

// The player page as a person sees it: clipped by every container.
TEST_F(ShownWindowTest, ThePlayerPageIsSeenWholeInBothModes)
{
    window->playStationById(5, 0);
    QWidget *player = window->listeningArea().Wb_Radio->widget();
    EXPECT_EQ(player->visibleRegion().boundingRect(), QRect(0, 0, 552, 364));
    window->windowModes().Atuttoschermo1Click();
    window->resize(1000, 760);
    QCoreApplication::processEvents();
    const QSize client = window->centralWidget()->size();
    EXPECT_EQ(player->visibleRegion().boundingRect().size(), QSize(client.width() - 7, client.height() - 98));
}

// The offscreen desktop has no tray: hiding would leave a playing program
// nobody can reach, so the window only minimises and keeps its mode.
TEST_F(ShownWindowTest, WithoutATrayMinimisingKeepsTheWindowReachable)
{
    ASSERT_FALSE(TrayIcon::trayAvailable());
    EXPECT_TRUE(window->tray().isVisible()) << "shown from the start, for a tray that may appear";
    WindowModes &modes = window->windowModes();
    modes.Rimpicciolisciinalto1Click();
    modes.Riduciaicona1Click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());
    Q_EMIT window->tray().activated();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(modes.compact());

    window->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible()) << "the title-bar minimise keeps the window too";
}

// "Esci" ends the program without closing the window: the notice is
// withdrawn once, by the window's end.
TEST_F(ShownWindowTest, EsciWithdrawsTheNoticeOnce)
{
    const std::size_t before = nowPlaying.tracks.size();
    window->tray().esci1->trigger();
    window->menu().Esci2->trigger();
    EXPECT_TRUE(window->isVisible());
    window.reset();
    EXPECT_EQ(nowPlaying.tracks.size(), before + 1);
}

struct LanguageCase
{
    int language;
    const char *file, *exit, *hot, *cover;
};

class LanguageSwitch : public ShownWindowTest, public ::testing::WithParamInterface<LanguageCase>
{
};

TEST_P(LanguageSwitch, MenusAndLabelsFollowTheChosenItem)
{
    const LanguageCase c = GetParam();
    QAction *items[] = {nullptr, window->menu().Italiano1, window->menu().Francese1, window->menu().Inglese1,
                        window->menu().Spagnolo1};
    items[c.language]->trigger();
    EXPECT_EQ(window->state().languageIndex(), c.language);
    EXPECT_EQ(window->menu().File1->title(), QString::fromUtf8(c.file));
    EXPECT_EQ(window->menu().Esci2->text(), QString::fromUtf8(c.exit));
    EXPECT_EQ(window->panels().Lbl_SostieniSonvela->text(), QString::fromUtf8(c.hot));
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("Lbl_CaricamentoClassifica"))->text(), QString::fromUtf8(c.cover));
    EXPECT_EQ(window->tray().CambiaRadio1->text(), window->state().text(32));
}

// "English" is the item Francese1, "Français" the item Inglese1.
INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageSwitch,
    ::testing::Values(LanguageCase{1, "File", "Esci", "HOT video", "Caricamento emittenti in corso"},
                      LanguageCase{2, "File", "Exit", "HOT video", "Loading radio"},
                      LanguageCase{3, "Fichier", "Quitter", "HOT video", "Caricamento emittenti in corso"},
                      LanguageCase{4, "Archivo", "Salir", "Videos HOT", "Caricamento emittenti in corso"}));

TEST_F(ShownWindowTest, LanguageSwitchInAModeShowsTheModeName)
{
    window->windowModes().Rimpicciolisciinalto1Click();
    window->applyLanguage(1);
    EXPECT_EQ(window->menu().Rimpicciolisciinalto1->text(), QStringLiteral("Rimpicciolisci in alto"));
    window->windowModes().Rimpicciolisciinalto1Click();
    EXPECT_FALSE(window->windowModes().compact());
}

TEST_F(ShownWindowTest, GrabIsAPictureOfTheWindowNotABlank)
{
    const QImage image = window->grab().toImage();
    ASSERT_FALSE(image.isNull());
    if (const QByteArray path = qgetenv("SONVELA_MAINWINDOW_PNG"); !path.isEmpty())
        image.save(QString::fromLocal8Bit(path));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20);
}

} // namespace
