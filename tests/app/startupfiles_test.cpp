#include "app/programwindows.h"
#include "stations/stationplayer.h"

#include "support/fakebrowser.h"
#include "support/fakedialogs.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Form { Folder, Garbage };

struct FileCase
{
    const char *name;
    Form form;
    bool reported; // read while the windows are created
};

void PrintTo(const FileCase &c, std::ostream *out) { *out << c.name << (c.form == Form::Folder ? " folder" : " garbage"); }

// Bytes of every value, NUL, CR, LF and SUB among them.
QByteArray garbage()
{
    QByteArray bytes;
    quint32 state = 2463534242u;
    for (int i = 0; i < 4096; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes += static_cast<char>(state & 0xff);
    }
    return bytes;
}

class StartupFiles : public ::testing::TestWithParam<FileCase>
{
};

// A settings file that cannot be read, or holds no text at all, never stops
// the start: it is named in an error box and the program still reaches the
// service and plays.
TEST_P(StartupFiles, NeverStopTheStart)
{
    const FileCase &c = GetParam();
    QTemporaryDir sandbox;
    const QString settings = sandbox.path() + QStringLiteral("/config/Sonvela/");
    ASSERT_TRUE(QDir().mkpath(settings));
    ASSERT_TRUE(QDir().mkpath(sandbox.path() + QStringLiteral("/tmp")));
    const QString path = settings + QLatin1String(c.name);
    if (c.form == Form::Folder) {
        ASSERT_TRUE(QDir().mkpath(path));
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage());
    }
    FakeBrowserFactory browsers;
    FakeDialogs dialogs;
    FakeShell shell;
    RecordingNowPlaying nowPlaying;
    FixedRandom random;
    ProgramWindows windows(TFrm_Sonvela::Platform{
        browsers, dialogs, shell, nowPlaying, random, nullptr,
        SystemFolders(settings, sandbox.path() + QStringLiteral("/tmp/"), sandbox.path() + QStringLiteral("/home/Sonvela")),
        Deployment::defaults()});
    windows.startUp();

    const bool reported = c.form == Form::Folder && c.reported;
    ASSERT_EQ(dialogs.errors.size(), reported ? 1 : 0) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    if (reported) {
        EXPECT_TRUE(dialogs.errors[0].contains(QLatin1String(c.name))) << dialogs.errors[0].toStdString();
    }
    EXPECT_EQ(browsers.byName(QStringLiteral("WB_Principale"))->navigations.size(), 1);
    EXPECT_EQ(browsers.byName(QStringLiteral("WebBrowser3"))->navigations.size(), 1);
    windows.main().player().playStationById(5, 0);
    EXPECT_TRUE(browsers.byName(QStringLiteral("Wb_Radio"))->navigations.last().endsWith(QLatin1String("?Id=5")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartupFiles,
    ::testing::Values(FileCase{"UsrSV.txt", Form::Folder, true}, FileCase{"UsrSV.txt", Form::Garbage, true},
                      FileCase{"PrxSV.txt", Form::Folder, true}, FileCase{"PrxSV.txt", Form::Garbage, true},
                      FileCase{"OpzSV.txt", Form::Folder, true}, FileCase{"OpzSV.txt", Form::Garbage, true},
                      FileCase{"Progrvlm.txt", Form::Folder, true}, FileCase{"Progrvlm.txt", Form::Garbage, true},
                      FileCase{"NewsSV.txt", Form::Folder, true}, FileCase{"NewsSV.txt", Form::Garbage, true},
                      // Read on the recorder page's first visit, which reports it the same way.
                      FileCase{"OpzSVR.txt", Form::Folder, false}, FileCase{"OpzSVR.txt", Form::Garbage, false}));

} // namespace
