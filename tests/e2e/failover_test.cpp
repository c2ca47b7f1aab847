#include "clientfixture.h"

#include "platform/browser.h"
#include "service/servicerequests.h"

#include <QDir>
#include <QFile>
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

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The refused mirror's page is captured like any other, with no box about a
// failed save, and neither it nor the last run's capture becomes the user's
// options: only the answer of the mirror that works does.
TEST_F(ClientTest, StoredUserWithTheFirstMirrorRefusedGetsTheWorkingMirrorsAnswerOnly)
{
    const QString config = sandbox.path() + QStringLiteral("/config/Sonvela/");
    const QString temp = sandbox.path() + QStringLiteral("/tmp/");
    QDir().mkpath(config);
    QDir().mkpath(temp);
    writeFile(config + QStringLiteral("UsrSV.txt"), "demo@sonvela.local\r\nascolta48\r\n1001\r\n");
    writeFile(config + QStringLiteral("OpzSV.txt"), "mine\r\n");
    writeFile(temp + QStringLiteral("OpTSV.txt"), "<title>x</title>\r\nSTALE\r\n");
    setFault(1, FaultMode::Refused);
    startClient(1);

    QList<QByteArray> seen{fileBytes(config + QStringLiteral("OpzSV.txt"))};
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArray now = fileBytes(config + QStringLiteral("OpzSV.txt"));
            if (now != seen.last())
                seen << now;
            return now.contains("Jazz Caf");
        },
        60000));
    QTest::qWait(500);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'|').toStdString();
    ASSERT_EQ(seen.size(), 2) << "only the working mirror's answer replaced the local options";
    EXPECT_EQ(seen.first(), QByteArray("mine\r\n"));
    EXPECT_EQ(window->state().mirrors.index(), 2);
}

} // namespace
