#include "clientfixture.h"

#include "app/trayicon.h"
#include "platform/browser.h"
#include "stations/clickablelabel.h"
#include "stations/stationpanels.h"

#include <QTest>

namespace {

int visibleEntries(StationPanels &panels, int panel)
{
    int visible = 0;
    for (int slot = 1; slot <= 15; ++slot)
        visible += panels.entry(panel, slot)->isHidden() ? 0 : 1;
    return visible;
}

TEST_F(ClientTest, PanelsFillAndTheTopStationPlays)
{
    startClient(1);
    StationPanels &panels = window->panels();
    ASSERT_TRUE(QTest::qWaitFor([&] { return visibleEntries(panels, 1) == 15 && visibleEntries(panels, 3) == 15; },
                                60000));
    EXPECT_TRUE(panels.cover(1)->isHidden());
    EXPECT_TRUE(panels.cover(3)->isHidden());
    // Slot 15 is the top entry of the most-clicked panel.
    ClickableLabel *top = panels.entry(1, 15);
    EXPECT_EQ(top->y(), 0);
    const QString name = window->state().catalogue.MostClicked[15].Name;
    ASSERT_FALSE(name.isEmpty());

    QTest::mouseClick(top, Qt::LeftButton);
    EXPECT_EQ(window->state().StationSource, 15);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tray().hint().contains(name); }, 60000))
        << window->tray().hint().toStdString() << " | radio " << window->listeningArea().Wb_Radio->title().toStdString()
        << " busy " << window->listeningArea().Wb_Radio->busy() << " streams " << s_server->activeStreams()
        << " source " << window->state().StationSource;
    EXPECT_EQ(window->tray().hint(), QStringLiteral("Stai ascoltando: \"%1\"").arg(name));

    const QString audioTime = QStringLiteral("(function(){var a=document.querySelector('audio');"
                                             "return a ? (a.paused ? -1 : a.currentTime) : -2;})()");
    double first = -3;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (first = evaluateInRadio(audioTime, ScriptWait::MayBeLate).toDouble()) > 0; }, 30000))
        << "audio state " << first;
    QTest::qWait(1500);
    EXPECT_GT(evaluateInRadio(audioTime).toDouble(), first);

    // The page's own button pauses and plays again, and says which it will do.
    const QString press = QStringLiteral("(function(){var b=document.getElementById('playpause');"
                                         "b.click();return b.textContent;})()");
    EXPECT_TRUE(evaluateInRadio(press).toString().endsWith(QStringLiteral("Ascolta")));
    EXPECT_EQ(evaluateInRadio(audioTime).toDouble(), -1);
    EXPECT_TRUE(evaluateInRadio(press).toString().endsWith(QStringLiteral("Pausa")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return evaluateInRadio(audioTime, ScriptWait::MayBeLate).toDouble() > 0; }, 30000));
}

} // namespace
