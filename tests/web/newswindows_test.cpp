#include "web/tfrm_gestionenews.h"
#include "web/tfrm_news.h"

#include "settings/newsfile.h"
#include "support/fakebrowser.h"
#include "support/fakedialogs.h"
#include "web/screenedges.h"

#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:18083");
QString newsUrl(const char *category, int delay)
{
    return Base + QStringLiteral("/Radio/RssSonvela.asp?IdNotizia=%1&TempoRitardo=%2").arg(QLatin1String(category)).arg(delay);
}

class NewsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ticker = std::make_unique<TFrm_News>(browsers, [this] { return NewsUrl; });
        news = std::make_unique<TFrm_GestioneNews>(*ticker, TFrm_GestioneNews::Fields{NewsDelay, NewsBaseUrl, NewsUrl},
                                                   [] { return Base; }, folder(), dialogs);
        edges = ScreenEdges::of(QGuiApplication::primaryScreen()->availableGeometry());
    }

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    void store(const QByteArray &content)
    {
        QFile file(NewsFile::path(folder()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray stored() const
    {
        QFile file(NewsFile::path(folder()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    FakeBrowser &page() { return *browsers.made.front(); }
    void click(int category) { QTest::mouseClick(news->categoryButton(category), Qt::LeftButton); }
    void chiudi() { QTest::mouseClick(news->findChild<QPushButton *>(QStringLiteral("Btn_Chiudi")), Qt::LeftButton); }
    std::vector<int> flat() const
    {
        std::vector<int> out;
        for (int n = 1; n <= 15; ++n) {
            if (news->categoryButton(n)->isFlat())
                out.push_back(n);
        }
        return out;
    }
    // Runs Timer1 by hand until the slide stops; the count is bounded.
    int slide()
    {
        EXPECT_TRUE(news->Timer1()->isActive());
        int ticks = 0;
        while (news->Timer1()->isActive() && ticks < 2000) {
            news->Timer1Timer();
            ++ticks;
        }
        EXPECT_FALSE(news->Timer1()->isActive());
        return ticks;
    }

    QTemporaryDir dir;
    FakeBrowserFactory browsers;
    FakeDialogs dialogs;
    int NewsDelay = 30;
    QString NewsBaseUrl;
    QString NewsUrl;
    ScreenEdges edges;
    std::unique_ptr<TFrm_News> ticker;
    std::unique_ptr<TFrm_GestioneNews> news;
};

TEST_F(NewsTest, StoredCategoryBringsTheTickerUpParkedAtTheCorner)
{
    store("3\r\n45\r\n");
    news->FormCreate();
    EXPECT_EQ(page().navigations, QStringList{newsUrl("3", 45)});
    EXPECT_TRUE(ticker->isVisible());
    EXPECT_EQ(ticker->pos(), QPoint(edges.right, edges.bottom - 200)) << "parked just off screen";
    EXPECT_EQ(ticker->size(), QSize(250, 200));
    EXPECT_EQ(ticker->tag(), 3);
    EXPECT_EQ(flat(), std::vector<int>{3});
    EXPECT_EQ(news->Edit1()->text(), QStringLiteral("45"));
    EXPECT_TRUE(ticker->windowFlags() & Qt::Tool);
    EXPECT_TRUE(ticker->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(NewsTest, TitlesSlideInAndOutAndTheAddressOrARepeatDoNothing)
{
    news->setBottomReserve([] { return 40; }); // a search strip in the corner: the ticker rests above it
    store("3\r\n45\r\n");
    news->FormCreate();
    page().setTitle(newsUrl("3", 45).toLower()); // the address shown while loading
    EXPECT_FALSE(news->Timer1()->isActive());

    page().setTitle(QStringLiteral("Top News"));
    EXPECT_EQ(slide(), 251) << "250 one-pixel steps and the one that stops";
    EXPECT_EQ(ticker->x(), edges.right - 250);
    EXPECT_EQ(ticker->y(), edges.bottom - 240);

    page().setTitle(QStringLiteral("Top News"));
    EXPECT_FALSE(news->Timer1()->isActive());

    page().setTitle(QStringLiteral("no"));
    slide();
    EXPECT_EQ(ticker->x(), edges.right) << "off screen, still shown";
    EXPECT_TRUE(ticker->isVisible());

    // Flipping every moment reverses the slide; it settles on the last word.
    page().setTitle(QStringLiteral("Top News"));
    for (int k = 0; k < 40; ++k)
        news->Timer1Timer();
    page().setTitle(QStringLiteral("NO"));
    slide();
    EXPECT_EQ(ticker->x(), edges.right);
}

TEST_F(NewsTest, NascondiSlidesOutButTheCategoryIsStillSaved)
{
    store("3\r\n45\r\n");
    news->FormCreate();
    page().setTitle(QStringLiteral("Top News"));
    slide();
    QTest::mouseClick(ticker->Nascondi(), Qt::LeftButton);
    slide();
    EXPECT_EQ(ticker->x(), edges.right);
    chiudi();
    EXPECT_EQ(stored(), QByteArray("3\r\n45\r\n"));
}

TEST_F(NewsTest, ClickingTheShownCategoryHidesItAndChiudiSavesNone)
{
    click(5);
    EXPECT_EQ(page().navigations.last(), newsUrl("5", 30));
    EXPECT_EQ(flat(), std::vector<int>{5});
    click(5);
    EXPECT_FALSE(ticker->isVisible());
    EXPECT_EQ(ticker->tag(), 0);
    EXPECT_TRUE(flat().empty());
    chiudi();
    EXPECT_EQ(stored(), QByteArray("0\r\n30\r\n"));
    EXPECT_TRUE(dialogs.questions.isEmpty());

    click(5); // hidden: shows it again
    EXPECT_TRUE(ticker->isVisible());
    EXPECT_EQ(ticker->tag(), 5);
    click(9);
    EXPECT_EQ(flat(), std::vector<int>{9});
    EXPECT_EQ(ticker->tag(), 9);
}

TEST_F(NewsTest, ChangedDelayAnsweredNoKeepsTheOldOneButTheNextClickUsesIt)
{
    store("3\r\n30\r\n");
    news->FormCreate();
    news->Edit1()->setText(QStringLiteral("45"));
    chiudi();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions.first(),
              QStringLiteral("Conferma|Si è deciso di modificare il tempo di visualizzazione delle news. Confermare?"));
    EXPECT_EQ(stored(), QByteArray("3\r\n30\r\n"));
    EXPECT_EQ(page().navigations.size(), 1);
    click(4);
    EXPECT_EQ(page().navigations.last(), newsUrl("4", 45));

    dialogs.yesNoAnswers = {true};
    chiudi();
    EXPECT_EQ(NewsDelay, 45);
    EXPECT_EQ(page().navigations.last(), newsUrl("4", 45));
    EXPECT_EQ(stored(), QByteArray("4\r\n45\r\n"));
}

TEST_F(NewsTest, ACategoryThatIsNoNumberLoadsAsWrittenAndSelectsNothing)
{
    store("abc\r\n20\r\n");
    news->FormCreate();
    EXPECT_EQ(page().navigations, QStringList{newsUrl("abc", 20)});
    EXPECT_EQ(ticker->tag(), 0);
    EXPECT_TRUE(flat().empty());
}

// A number without a button selects nothing but is saved again as it was.
TEST_F(NewsTest, ACategoryWithoutAButtonIsKeptByChiudi)
{
    store("16\r\n20\r\n");
    news->FormCreate();
    EXPECT_TRUE(flat().empty());
    chiudi();
    EXPECT_EQ(stored(), QByteArray("16\r\n20\r\n"));
}

// Zero, negative, huge or no number: the page gets 30 and the stored delay stays.
TEST_F(NewsTest, DelaysOutsideOneSecondToADayCountAsThirty)
{
    store("2\r\n0\r\n");
    news->FormCreate();
    EXPECT_EQ(NewsDelay, 30);
    EXPECT_EQ(page().navigations.last(), newsUrl("2", 30));
    for (const char *typed : {"0", "-5", "99999999999", "86401", "tre"}) {
        news->Edit1()->setText(QLatin1String(typed));
        click(7);
        EXPECT_EQ(page().navigations.last(), newsUrl("7", 30)) << typed;
        click(7);
    }
    news->Edit1()->setText(QStringLiteral("-5"));
    dialogs.yesNoAnswers = {true};
    chiudi();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "-5 counts as 30, which is the stored delay";
    EXPECT_EQ(NewsDelay, 30);
}

TEST_F(NewsTest, NoFileMeansNoTickerAndThirtySeconds)
{
    news->FormCreate();
    EXPECT_FALSE(ticker->isVisible());
    EXPECT_TRUE(page().navigations.isEmpty());
    EXPECT_EQ(news->Edit1()->text(), QStringLiteral("30"));
    news->reject(); // the title bar's close saves nothing
    EXPECT_EQ(stored(), QByteArray("(none)"));
}

} // namespace
