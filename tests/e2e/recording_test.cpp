#include "clientfixture.h"

#include "recording/decodedaudio.h"
#include "recording/pulseserver.h"

#include "app/trayicon.h"
#include "recording/audioctllibrary.h"
#include "recording/audiorecord.h"
#include "recording/diskusagepanel.h"
#include "recording/installationpanel.h"
#include "recording/recorderpage.h"
#include "stations/clickablelabel.h"
#include "stations/stationpanels.h"

#include <gst/gst.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The client plays through a private PulseAudio, so the station's sound is
// what the monitor of its sink hears.
class RecordingClientTest : public ClientTest
{
public:
    static void SetUpTestSuite()
    {
        s_pulse = std::make_unique<PulseServer>();
        s_pulseUp = s_pulse->start();
        gst_init(nullptr, nullptr);
        ClientTest::SetUpTestSuite();
    }
    static void TearDownTestSuite()
    {
        ClientTest::TearDownTestSuite();
        s_pulse.reset();
    }

protected:
    // The command lines of every process the test program started, the web
    // engine's included.
    static QStringList descendantCommands(qint64 pid = QCoreApplication::applicationPid())
    {
        QStringList commands;
        QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
        for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile children(tasks.filePath(task + QStringLiteral("/children")));
            if (!children.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray &child : children.readAll().split(' ')) {
                if (child.trimmed().isEmpty())
                    continue;
                QFile command(QStringLiteral("/proc/%1/cmdline").arg(QString::fromLatin1(child.trimmed())));
                if (command.open(QIODevice::ReadOnly))
                    commands << QString::fromLocal8Bit(command.readAll().replace('\0', ' '));
                commands << descendantCommands(child.trimmed().toLongLong());
            }
        }
        return commands;
    }
    static QString buildLibraries() { return qEnvironmentVariable("SONVELA_BUILD_DIR") + QStringLiteral("/lib/"); }

    void openRecorderTab()
    {
        QTabBar *tabs = window->listeningArea().Pnl_Ascolta->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        ASSERT_EQ(window->listeningArea().Pnl_Ascolta->currentIndex(), 1);
    }
    static void choose(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    // A picture of the page for a person to look at, when asked for.
    void grab(const char *name)
    {
        const QString folder = qEnvironmentVariable("SONVELA_SHOT_DIR");
        if (!folder.isEmpty())
            window->grab().save(folder + QLatin1Char('/') + QLatin1String(name));
    }

    static std::unique_ptr<PulseServer> s_pulse;
    static bool s_pulseUp;
};

std::unique_ptr<PulseServer> RecordingClientTest::s_pulse;
bool RecordingClientTest::s_pulseUp = false;

TEST_F(RecordingClientTest, RecordsThePlayingStationIntoAnMp3)
{
    ASSERT_TRUE(s_pulseUp) << s_pulse->problem().toStdString();
    AudioCtlLibrary library(AudioCtlLibrary::defaultCandidates(qEnvironmentVariable("SONVELA_BUILD_DIR") + QStringLiteral("/bin")));
    recordingModule = &library;
    startClient(1);
    StationPanels &panels = window->panels();
    ClickableLabel *top = panels.entry(1, 15);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !top->isHidden() && !top->text().isEmpty(); }, 60000));
    QTest::mouseClick(top, Qt::LeftButton);
    const QString playing = QStringLiteral("(function(){var a=document.querySelector('audio');"
                                           "return a && !a.paused ? a.currentTime : 0;})()");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return evaluateInRadio(playing, ScriptWait::MayBeLate).toDouble() > 0.5; }, 60000));

    openRecorderTab();
    RecorderPage &page = window->recorder();
    ASSERT_FALSE(page.Pnl_InizializzaRecording->isVisible());
    int monitor = -1;
    for (int i = 0; i < page.cbDevice->count(); ++i)
        monitor = page.cbDevice->itemText(i).contains(QLatin1String("Monitor")) ? i : monitor;
    ASSERT_GE(monitor, 0) << "no monitor among " << page.cbDevice->count() << " devices";
    choose(page.cbDevice, monitor);
    choose(page.cbFormat, 1);

    QTest::mouseClick(page.btnRecord, Qt::LeftButton);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    // Five seconds as the control counts them: a loaded machine may deliver
    // the sound late, never early.
    int loudest = 0;
    bool grabbed = false;
    QElapsedTimer clock;
    clock.start();
    while (page.control()->GetRecordedSeconds() < 5.0 && clock.elapsed() < 30000) {
        QTest::qWait(100);
        loudest = std::max({loudest, page.ProgressSX->value(), page.ProgressDX->value()});
        if (!grabbed && page.control()->GetRecordedSeconds() > 3.0)
            grabbed = (grab("recorder-recording.png"), true);
    }
    QTest::mouseClick(page.btnStop, Qt::LeftButton);
    const double recorded = page.control()->GetRecordedSeconds();
    QTest::qWait(300); // one more tick of the display
    grab("recorder-stopped.png");

    EXPECT_GT(loudest, 5) << "the gauges never moved";
    const QString path = page.Lbl_Folder->text() + QLatin1Char('/') + page.Lbl_File->text();
    EXPECT_TRUE(path.endsWith(QStringLiteral(".MP3"))) << path.toStdString();
    const DecodedAudio audio = DecodedAudio::fromFile(path);
    ASSERT_TRUE(audio.problem.isEmpty()) << audio.problem.toStdString() << " " << path.toStdString();
    EXPECT_NEAR(recorded, 5.0, 0.3);
    EXPECT_NEAR(audio.seconds(), recorded, recorded * 0.1);
    EXPECT_GT(audio.rms(0.5, audio.seconds() - 0.5), 300) << "the station's sound, not silence";
    // ... played by the engine's main process, with no audio process to launch first.
    const QStringList engine = descendantCommands();
    EXPECT_FALSE(engine.filter(QStringLiteral("--type=")).isEmpty())
        << "the engine's processes are children of this one";
    EXPECT_TRUE(engine.filter(QStringLiteral("AudioService")).isEmpty())
        << engine.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(page.diskUsage->Series1->count(), 3);
    EXPECT_GT(page.diskUsage->Series1->slices().at(0)->value(), 0) << "the pie shows the file";
    EXPECT_FALSE(page.diskUsage->Lbl_Filesize->text().startsWith(QLatin1String("0 ")));
}

// A client without the module offers it; once it is there, OK on the
// message brings the recorder up in the same run.
TEST_F(RecordingClientTest, AMissingModuleShowsTheInstallationPanelUntilItArrives)
{
    QTemporaryDir installed;
    AudioCtlLibrary library({installed.path() + QStringLiteral("/libsonvela_audioctl.so")});
    recordingModule = &library;
    startClient(1);
    openRecorderTab();
    RecorderPage &page = window->recorder();
    ASSERT_TRUE(page.Pnl_InizializzaRecording->isVisible());
    grab("recorder-missing-module.png");
    EXPECT_EQ(page.cbDevice->count(), 0);

    ASSERT_TRUE(QFile::copy(buildLibraries() + QStringLiteral("libsonvela_audioctl.so"),
                            installed.path() + QStringLiteral("/libsonvela_audioctl.so")));
    auto *link = page.Pnl_InizializzaRecording->findChild<QLabel *>(QStringLiteral("Lbl_Installa2"));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(shell.opened.last().endsWith(QStringLiteral("/AudioRecording.exe")));
    EXPECT_FALSE(page.Pnl_InizializzaRecording->isVisible());
    EXPECT_GT(page.cbDevice->count(), 0);
}

} // namespace
