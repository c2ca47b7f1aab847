#include "clientfixture.h"

#include "platform/browser.h"
#include "service/servicerequests.h"

#include <QLabel>
#include <QTest>

namespace {

TEST_F(ClientTest, FailoverSettlesOnTheFirstWorkingMirror)
{
    setFault(1, FaultMode::Refused);
    setFault(2, FaultMode::BadAccess);
    setFault(3, FaultMode::Error500);
    startClient(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->state().AccessTitle == QStringLiteral("accessoOK"); }, 60000))
        << window->state().AccessTitle.toStdString() << " / " << window->listeningArea().WB_Principale->locationUrl().toStdString()
        << " busy " << window->listeningArea().WB_Principale->busy();
    EXPECT_EQ(window->state().mirrors.index(), 4);
    // The catalogue comes again from the mirror that answered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->state().catalogue.MostClicked[15].isEmpty(); }, 60000));
    EXPECT_EQ(window->listeningArea().WebBrowser3->locationUrl(),
              ServiceRequests::catalogue(window->state().mirrors.serverBase()));
    const QImage on = window->findChild<QLabel *>(QStringLiteral("Img_ServerOn"))->pixmap().toImage();
    int lit = 0;
    for (int n = 0; n <= 6; ++n)
        lit += window->findChild<QLabel *>(QStringLiteral("Img_Server%1").arg(n))->pixmap().toImage() == on ? 1 : 0;
    EXPECT_EQ(lit, 1);
}

} // namespace
