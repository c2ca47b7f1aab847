#pragma once

#include "app/mainmenu.h"
#include "app/tfrm_sonvela.h"
#include "app/trayicon.h"

#include "support/fakebrowser.h"
#include "support/fakeclock.h"
#include "support/fakedialogs.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A main window on fake browsers in a sandboxed settings and temp folder.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(settings()));
        ASSERT_TRUE(QDir().mkpath(temp()));
    }
    void TearDown() override
    {
        window.reset();
    }

    QString settings() const { return sandbox.path() + QStringLiteral("/config/Sonvela/"); }
    QString temp() const { return sandbox.path() + QStringLiteral("/tmp/"); }

    void writeSetting(const char *name, const QByteArray &content)
    {
        QFile file(settings() + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Creates the window with mirror `firstMirror` first and runs its start-up.
    void start(int firstMirror = 1, const QString &settingsFolder = QString())
    {
        random.value = firstMirror - 1;
        const QString folder = settingsFolder.isEmpty() ? settings() : settingsFolder;
        TFrm_Sonvela::Platform platform{browsers, dialogs,  shell, nowPlaying, random, nullptr,
                                        SystemFolders(folder, temp(), sandbox.path() + QStringLiteral("/home/Sonvela")),
                                        Deployment::defaults(), nullptr, &clock};
        window = std::make_unique<TFrm_Sonvela>(platform);
        window->FormCreate();
    }

    FakeBrowser &browser(const char *name)
    {
        FakeBrowser *b = browsers.byName(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return *b;
    }
    QString mirror(int n) const { return QStringLiteral("http://127.0.0.1:%1").arg(18080 + n); }
    // Mirrors whose dot shows the "on" picture.
    std::vector<int> litDots() const;

    QTemporaryDir sandbox;
    FakeBrowserFactory browsers;
    FakeDialogs dialogs;
    FakeShell shell;
    RecordingNowPlaying nowPlaying;
    FixedRandom random;
    FakeClock clock;
    std::unique_ptr<TFrm_Sonvela> window;
};
