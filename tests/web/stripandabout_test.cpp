#include "web/tfrm_about.h"
#include "web/tfrm_googlefinder.h"

#include "platform/deployment.h"
#include "stations/clickablelabel.h"
#include "support/fakebrowser.h"
#include "support/fakedialogs.h"
#include "web/screenedges.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:18084");

class SearchStripTest : public ::testing::Test
{
protected:
    void make(bool flag)
    {
        searchAtStart = flag;
        strip = std::make_unique<TFrm_GoogleFinder>(browsers, [] { return Base; }, searchAtStart);
        strip->FormCreate();
        edges = ScreenEdges::of(QGuiApplication::primaryScreen()->availableGeometry());
    }
    void clickHandle() { QTest::mouseClick(strip->Image1(), Qt::LeftButton, {}, QPoint(7, 20)); }
    FakeBrowser &page() { return *browsers.made.front(); }

    FakeBrowserFactory browsers;
    bool searchAtStart = false;
    ScreenEdges edges;
    std::unique_ptr<TFrm_GoogleFinder> strip;
};

TEST_F(SearchStripTest, DockedCollapsedAndTheHandleTogglesReloadingEachTime)
{
    make(true);
    const QString search = Base + QStringLiteral("/radio/GoogleFinder.htm");
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->size(), QSize(392, 40));
    EXPECT_EQ(strip->pos(), QPoint(edges.right - 17, edges.bottom - 40));
    EXPECT_EQ(strip->Image1()->cursor().shape(), Qt::PointingHandCursor);
    clickHandle();
    EXPECT_EQ(strip->pos(), QPoint(edges.right - 392, edges.bottom - 40));
    clickHandle();
    EXPECT_EQ(strip->pos(), QPoint(edges.right - 17, edges.bottom - 40));
    EXPECT_EQ(page().navigations, QStringList(3, search)) << "a typed query is lost on each toggle";
}

TEST_F(SearchStripTest, FirstStartFlagKeepsItHiddenAndOptionsShowItForGood)
{
    make(false);
    EXPECT_FALSE(strip->isVisible()) << "no options file: the flag in memory is false";
    strip->showFromOptions(true);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_FALSE(searchAtStart) << "the save does not change the flag";
    clickHandle();
    EXPECT_TRUE(strip->isVisible()) << "hidden by its own handle, nothing is left to click";
}

TEST_F(SearchStripTest, OnlyWebPagesAskedForByThePageGoToThePlayer)
{
    make(true);
    QSignalSpy played(strip.get(), &TFrm_GoogleFinder::stationPageRequested);
    const QString station = Base + QStringLiteral("/Radio/mostraRadio.asp?Id=7");
    Q_EMIT page().newWindowRequested(station);
    Q_EMIT page().newWindowRequested(QStringLiteral("file:///etc/passwd"));
    Q_EMIT page().newWindowRequested(QStringLiteral("javascript:alert(1)"));
    ASSERT_EQ(played.size(), 1);
    EXPECT_EQ(played.first().first().toString(), station);
}

TEST(About, ShowsTheDeploymentAndOpensItsLinks)
{
    Deployment deployment = Deployment::defaults();
    deployment.site = QStringLiteral("https://www.velmora.example");
    deployment.forum = QStringLiteral("https://forum.velmora.example");
    deployment.credit = QStringLiteral("Studio Velmora");
    FakeShell shell;
    TFrm_About about(deployment, shell);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About - Sonvela by Velmora"));
    EXPECT_EQ(about.size(), QSize(400, 312));
    EXPECT_EQ(about.Label5()->text(), QStringLiteral("Sonvela - Versione: 4.8"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("Lbl_Autore"))->text(), QStringLiteral("Studio Velmora"));
    about.show();
    for (const char *name : {"Image1", "Lbl_Sito", "Lbl_Forum1", "Lbl_Forum2", "Lbl_Forum3"})
        QTest::mouseClick(about.findChild<ClickableLabel *>(QLatin1String(name)), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shell.opened, (QStringList{deployment.site, deployment.site, deployment.forum, deployment.forum,
                                         deployment.forum}));
    // Every caption fits its label: nothing cut at the right or the bottom.
    for (const QLabel *label : about.findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            continue;
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), about.width()) << label->text().toStdString();
    }
}

} // namespace
