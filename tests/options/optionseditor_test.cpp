#include "options/optionseditor.h"

#include "fakeselection.h"
#include "options/optionssavehost.h"
#include "options/tfrm_gestioneopzioni.h"
#include "platform/xdgautostart.h"
#include "settings/optionsstate.h"
#include "settings/sandbox.h"
#include "support/fakedialogs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class JournalHost final : public OptionsSaveHost
{
public:
    QStringList calls;
    UploadEntries uploaded;

    void applyLanguage(int language) override { calls << QStringLiteral("language %1").arg(language); }
    void showSearchWindow(bool shown) override { calls << QStringLiteral("search %1").arg(shown); }
    void sendNowPlaying(bool playing, bool force) override
    {
        calls << QStringLiteral("notice %1 %2").arg(playing).arg(force);
    }
    void setPlaylistTimer(bool enabled) override { calls << QStringLiteral("timer %1").arg(enabled); }
    void startUpload(const UploadEntries &entries) override
    {
        calls << QStringLiteral("upload %1").arg(entries.size());
        uploaded = entries;
    }
    void refreshFavourites() override { calls << QStringLiteral("favourites"); }
};

class OptionsEditorTest : public SettingsSandbox
{
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        autostartFolder = temp + QStringLiteral("autostart/");
        autostart = std::make_unique<XdgAutostart>(autostartFolder);
        window = std::make_unique<TFrm_GestioneOpzioni>(state, settings, dialogs);
        window->setSelectionWindows(&personal, &programmed);
        editor = std::make_unique<OptionsEditor>(*window, state, host, dialogs, autostart.get(),
                                                 QStringLiteral("/opt/Sonvela app/sonvela"));
    }

    template <typename T> T *child(const QString &name) const { return window->findChild<T *>(name); }
    void click(const QString &name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    // Runs `steps` inside the modal window once it shows, then leaves it.
    void whileShown(std::function<void()> steps)
    {
        QTimer::singleShot(0, window.get(), [this, steps = std::move(steps)] {
            ASSERT_TRUE(window->isVisible());
            steps();
        });
    }
    QString entryPath() const { return autostartFolder + QStringLiteral("Sonvela.desktop"); }

    OptionsState state;
    FakeDialogs dialogs;
    JournalHost host;
    FakeSelection personal;
    FakeSelection programmed;
    QString autostartFolder;
    std::unique_ptr<XdgAutostart> autostart;
    std::unique_ptr<TFrm_GestioneOpzioni> window;
    std::unique_ptr<OptionsEditor> editor;
};

TEST_F(OptionsEditorTest, SaveRunsEveryStepInOrder)
{
    state.searchAtStart = true;
    personal.answers = { FakeSelection::picked(17, "Jazz Café", "JC") };
    whileShown([this] {
        click(QStringLiteral("BitBtn5")); // "Cambia" on slot 3
        child<QCheckBox>(QStringLiteral("Chk_AvvioAutomatico"))->click();
        child<QCheckBox>(QStringLiteral("Chk_Google"))->click();
        child<QCheckBox>(QStringLiteral("Chk_Emittenti"))->click();
        click(QStringLiteral("BitBtn2"));
    });
    editor->editOptions(1);

    EXPECT_EQ(host.calls, QStringList({ QStringLiteral("language 1"), QStringLiteral("search 0"),
                                        QStringLiteral("notice 1 0"), QStringLiteral("timer 1"),
                                        QStringLiteral("upload 53"), QStringLiteral("favourites") }));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    // The file keeps slot 3; memory is compacted for the panel.
    const QByteArray file = get(QStringLiteral("OpzSV.txt"));
    EXPECT_TRUE(file.startsWith(crlf({ "SI", "NO", "0", "", "0", "", "", "0", "", "", "17", "Jazz Café", "JC" })));
    EXPECT_EQ(host.uploaded.at(11), QStringLiteral("Jazz Café"));
    EXPECT_EQ(state.personalStations[0], (PersonalStation { 17, QStringLiteral("Jazz Café"), QStringLiteral("JC") }));
    EXPECT_EQ(state.personalStations[2], PersonalStation());
    EXPECT_TRUE(state.messenger);
    EXPECT_TRUE(state.playlist);
    // The in-memory search-at-start flag is left as start-up read it.
    EXPECT_TRUE(state.searchAtStart);

    QFile entry(entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nExec=\"/opt/Sonvela app/sonvela\"\n"));
}

TEST_F(OptionsEditorTest, AutorunUncheckedRemovesTheEntryAndAMissingOneIsSilent)
{
    ASSERT_FALSE(autostart->set(QStringLiteral("/usr/bin/sonvela")));
    ASSERT_TRUE(QFile::exists(entryPath()));
    put(QStringLiteral("OpzSV.txt"), crlf({ "NO" }));
    editor->editOptions(-1);
    EXPECT_FALSE(QFile::exists(entryPath()));
    editor->editOptions(-1);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(host.calls.count(QStringLiteral("favourites")), 2);
}

TEST_F(OptionsEditorTest, AutostartFolderThatCannotBeMadeIsReportedAndTheSaveGoesOn)
{
    put(QStringLiteral("OpzSV.txt"), crlf({ "SI" }));
    // A plain file where the folder should be: even root cannot write there.
    QFile blocker(temp + QStringLiteral("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    editor->editOptions(-1);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(autostartFolder)) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(host.calls.contains(QStringLiteral("upload 53")));
    EXPECT_EQ(host.calls.last(), QStringLiteral("favourites"));
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")).left(4), QByteArray("SI\r\n"));
    // The window stays usable: the next save goes through once the folder can be made.
    blocker.remove();
    editor->editOptions(-1);
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(QFile::exists(entryPath()));
}

TEST_F(OptionsEditorTest, LeavingWithoutSavingKeepsFilesButNotMemoryChanges)
{
    put(QStringLiteral("OpzSV.txt"), crlf({ "NO", "NO", "0", "", "5", "Cinque", "L5" }));
    whileShown([this] {
        click(QStringLiteral("BitBtn8")); // "Cancella" on slot 1
        click(QStringLiteral("BitBtn1"));
    });
    editor->editOptions(0);
    EXPECT_EQ(host.calls, QStringList { QStringLiteral("language 1") });
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), crlf({ "NO", "NO", "0", "", "5", "Cinque", "L5" }));
    // The slot stays cleared in memory until the window is next loaded.
    EXPECT_EQ(state.personalStations[0].id, 0);
    EXPECT_FALSE(QFile::exists(entryPath()));
}

TEST_F(OptionsEditorTest, AFileErrorEndsTheSaveWhereItHappened)
{
    whileShown([this] {
        // The options file cannot be replaced by a directory's name.
        ASSERT_TRUE(QDir().mkpath(settings + QStringLiteral("OpzSV.txt.dir")));
        QFile::remove(settings + QStringLiteral("OpzSV.txt"));
        ASSERT_TRUE(QDir().rename(settings + QStringLiteral("OpzSV.txt.dir"), settings + QStringLiteral("OpzSV.txt")));
        click(QStringLiteral("BitBtn2"));
    });
    editor->editOptions(0);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(host.calls, QStringList { QStringLiteral("language 1") });
    EXPECT_FALSE(QFile::exists(entryPath()));
}

} // namespace
