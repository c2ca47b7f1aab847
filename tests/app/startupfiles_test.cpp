#include "app/programwindows.h"
#include "stations/stationplayer.h"

#include "support/fakebrowser.h"
#include "support/fakedialogs.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every file read while the windows are created, as a folder of that name or
// as bytes of every value: the start goes on, names an unreadable file in an
// error box, reaches the service and plays. "OpzSVR.txt" waits for the
// recorder page, which reports it the same way.
TEST(StartupFiles, UnreadableOrGarbageNeverStopTheStart)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) >> 3);
    for (const char *name : {"UsrSV.txt", "PrxSV.txt", "OpzSV.txt", "Progrvlm.txt", "NewsSV.txt", "OpzSVR.txt"}) {
        for (const bool folder : {true, false}) {
            QTemporaryDir sandbox;
            const QString settings = sandbox.path() + QStringLiteral("/config/Sonvela/");
            QFile file(settings + QLatin1String(name));
            ASSERT_TRUE(QDir().mkpath(folder ? file.fileName() : settings) && QDir().mkpath(sandbox.path() + QLatin1String("/tmp")));
            ASSERT_TRUE(folder || (file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size()));
            file.close();
            FakeBrowserFactory browsers;
            FakeDialogs dialogs;
            FakeShell shell;
            RecordingNowPlaying nowPlaying;
            FixedRandom random;
            ProgramWindows windows({browsers, dialogs, shell, nowPlaying, random, nullptr,
                                    SystemFolders(settings, sandbox.path() + QLatin1String("/tmp/"), sandbox.path() + QLatin1String("/h")),
                                    Deployment::defaults()});
            windows.startUp();
            const bool reported = folder && QLatin1String(name) != QLatin1String("OpzSVR.txt");
            EXPECT_EQ(dialogs.errors.size(), reported ? 1 : 0) << name << folder;
            EXPECT_EQ(reported, !dialogs.errors.filter(QLatin1String(name)).isEmpty()) << name << folder;
            EXPECT_EQ(browsers.byName(QStringLiteral("WB_Principale"))->navigations.size(), 1) << name;
            EXPECT_EQ(browsers.byName(QStringLiteral("WebBrowser3"))->navigations.size(), 1) << name;
            windows.main().player().playStationById(5, 0);
            EXPECT_TRUE(browsers.byName(QStringLiteral("Wb_Radio"))->navigations.last().endsWith(QLatin1String("?Id=5"))) << name;
        }
    }
}

} // namespace
