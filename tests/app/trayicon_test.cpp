// The tray as KDE and GNOME run it, on a private bus (under dbus-run-session).
#include "mainwindowfixture.h"

#include <QDBusInterface>
#include <QProcess>
#include <QTest>

// A host sends Activate for a click, never a double click; the icon
// registers again when the host comes back.
TEST_F(MainWindowTest, TrayActivateBringsTheHiddenWindowBack)
{
    QProcess watcher; // killed when it goes, as the host may be at any time
    auto line = [&watcher] {
        const bool got = QTest::qWaitFor([&] { return watcher.canReadLine(); }, 15000);
        return got ? QString::fromUtf8(watcher.readLine()).trimmed() : QString();
    };
    auto startHost = [&] {
        watcher.kill();
        watcher.waitForFinished();
        watcher.start(QStringLiteral("/usr/bin/python3"),
                      {qEnvironmentVariable("SONVELA_SOURCE_DIR") + QStringLiteral("/tests/app/statusnotifierwatcher.py")});
        return line();
    };
    ASSERT_EQ(startHost(), QStringLiteral("ready"));
    start(1);
    window->show();
    for (int round = 1; round <= 2; ++round) {
        const QString item = line();
        ASSERT_FALSE(item.isEmpty()) << "the icon did not register, round " << round;
        window->menu().Riduciaicona1->trigger();
        ASSERT_FALSE(window->isVisible());
        QDBusInterface(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"))
            .asyncCall(QStringLiteral("Activate"), 0, 0);
        // Focus once only: with no window manager, X refuses a second focus
        // change that no input event of this client stamped.
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible() && (round > 1 || window->isActiveWindow()); },
                                    15000)) << round;
        ASSERT_EQ(startHost(), QStringLiteral("ready")); // the host goes away and comes back
    }
}
