#include "fakeaudiorecord.h"

#include "recording/diskusagepanel.h"
#include "recording/installationpanel.h"
#include "recording/recorderpage.h"
#include "support/fakedialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Calls back on every event of one type a widget gets.
class EventWatch final : public QObject
{
public:
    EventWatch(QObject *target, QEvent::Type type, std::function<void()> seen)
        : m_type(type), m_seen(std::move(seen))
    {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_seen();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_seen;
};

} // namespace

class RecorderPageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(settings())); }

    QString settings() const { return m_dir.path() + QStringLiteral("/config/"); }
    QString folder() const { return m_dir.path() + QStringLiteral("/home/Sonvela/RecordingFile"); }

    RecorderPage &page()
    {
        if (!m_page) {
            m_page = std::make_unique<RecorderPage>(RecorderPage::Setup{
                &module, dialogs, shell, QStringLiteral("product.test/AudioRecording.exe"), settings(), folder()});
            m_page->resize(557, 366);
        }
        return *m_page;
    }
    FakeAudioRecord &control() { return *module.last; }

    void writeSettings(const QByteArray &bytes)
    {
        QFile file(settings() + QStringLiteral("OpzSVR.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray savedSettings() const
    {
        QFile file(settings() + QStringLiteral("OpzSVR.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    // Picks an entry the way a person does: the list's activation.
    static void choose(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    // One real tick of the 100 ms timer.
    void tick()
    {
        QSignalSpy ticks(page().TimerRegistrazione, &QTimer::timeout);
        ASSERT_TRUE(ticks.wait(2000));
    }

    QTemporaryDir m_dir;
    FakeAudioRecordModule module;
    FakeDialogs dialogs;
    FakeShell shell;
    std::unique_ptr<RecorderPage> m_page;
};

TEST_F(RecorderPageTest, FirstVisitWithoutSettingsShowsWavAndNoDevice)
{
    page().visit();
    EXPECT_FALSE(page().Pnl_InizializzaRecording->isVisibleTo(&page()));
    EXPECT_EQ(page().cbDevice->count(), 2);
    EXPECT_EQ(page().cbDevice->currentIndex(), -1);
    EXPECT_EQ(page().cbFormat->currentText(), QStringLiteral("WAV"));
    EXPECT_EQ(page().cbPara->currentIndex(), 0);
    EXPECT_EQ(page().cbPara->currentText(), QStringLiteral("WAV PCM 16 bit"));
    EXPECT_EQ(control().calls.mid(0, 3),
              (QStringList{QStringLiteral("GetDeviceCount"), QStringLiteral("GetDeviceName 0"), QStringLiteral("GetDeviceName 1")}));
    EXPECT_TRUE(control().calls.endsWith(QStringLiteral("SetVolume 100")));
    EXPECT_EQ(savedSettings(), QByteArray("<none>")) << "the first visit writes nothing";

    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selezionare il dispositivo di registrazione")});
    EXPECT_FALSE(control().calls.join(QLatin1Char('|')).contains(QLatin1String("StartRecord")));

    page().visit(); // a later visit sets nothing up again
    EXPECT_EQ(page().cbDevice->count(), 2);
}

// Restoring applies each list as its change would, without saving; a user's
// choice then writes all five lines.
TEST_F(RecorderPageTest, ATwoLineFileRestoresDeviceAndLineAndAChoiceSavesAll)
{
    writeSettings("1\r\n0\r\n");
    page().visit();
    EXPECT_EQ(page().cbDevice->currentIndex(), 1);
    EXPECT_EQ(page().cbSource->currentIndex(), 0);
    EXPECT_EQ(page().cbFormat->currentIndex(), 0);
    EXPECT_EQ(page().cbPara->currentIndex(), 0);
    EXPECT_TRUE(control().calls.contains(QStringLiteral("SetDevice 1")));
    EXPECT_EQ(savedSettings(), QByteArray("1\r\n0\r\n")) << "restoring must not rewrite the file";

    page().TB_Volume->setValue(40);
    choose(page().cbFormat, 1);
    EXPECT_EQ(page().cbPara->currentText(), QStringLiteral("MP3 128 kbit/s"));
    choose(page().cbDevice, 0);
    EXPECT_EQ(savedSettings(), QByteArray("0\r\n0\r\n1\r\n0\r\n40\r\n"));
}

// An edited or stale file never breaks the page: indexes the lists do not
// have leave them as they were, words read as 0, the volume stays in range.
TEST_F(RecorderPageTest, ASettingsFileWithBadValuesKeepsTheListsSound)
{
    writeSettings("7\r\nabc\r\n12\r\n-5\r\n250\r\n");
    page().visit();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(page().cbDevice->currentIndex(), -1);
    EXPECT_EQ(page().cbFormat->currentText(), QStringLiteral("WAV"));
    EXPECT_EQ(page().cbPara->currentIndex(), 0);
    EXPECT_EQ(page().TB_Volume->value(), 100);
}

TEST_F(RecorderPageTest, RecPauseStopDriveTheControlButtonsAndTimer)
{
    page().visit();
    choose(page().cbDevice, 1);
    choose(page().cbFormat, 1);
    page().TB_Volume->setValue(70);
    ASSERT_FALSE(QDir(folder()).exists());

    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(QDir(folder()).exists()) << "the folder is made with its parents";
    const QString name = page().Lbl_File->text();
    EXPECT_TRUE(name.endsWith(QStringLiteral(".MP3"))) << name.toStdString();
    EXPECT_FALSE(name.contains(QLatin1Char(':')) || name.contains(QLatin1Char('/'))) << name.toStdString();
    const QStringList expected{QStringLiteral("SetVolume 70"), QStringLiteral("SetRecordFile ") + folder() + QLatin1Char('/') + name,
                               QStringLiteral("StartRecord 2 44100")};
    EXPECT_EQ(control().calls.mid(control().calls.size() - 3), expected);
    EXPECT_FALSE(page().btnRecord->isEnabled());
    EXPECT_FALSE(page().TB_Volume->isEnabled());
    EXPECT_TRUE(page().btnStop->isEnabled());
    EXPECT_TRUE(page().btnPause->isEnabled());
    EXPECT_TRUE(page().TimerRegistrazione->isActive());

    control().seconds = 2.5;
    control().left = 16384;
    control().right = 32768;
    tick();
    EXPECT_EQ(page().Lbl_DurataRegistrazione->text(), QStringLiteral("2 Sec")) << "halves go to the even side";
    EXPECT_EQ(page().ProgressSX->value(), 50);
    EXPECT_EQ(page().ProgressDX->value(), 100);

    QTest::mouseClick(page().btnPause, Qt::LeftButton);
    EXPECT_EQ(page().btnPause->text(), QStringLiteral("Resume"));
    QTest::mouseClick(page().btnPause, Qt::LeftButton);
    EXPECT_EQ(page().btnPause->text(), QStringLiteral("Pause"));
    EXPECT_EQ(control().calls.mid(control().calls.size() - 2),
              (QStringList{QStringLiteral("PauseRecord"), QStringLiteral("ResumeRecord")}));

    QTest::mouseClick(page().btnPause, Qt::LeftButton); // stopped while paused
    QTest::mouseClick(page().btnStop, Qt::LeftButton);
    EXPECT_EQ(control().calls.last(), QStringLiteral("StopRecord"));
    EXPECT_TRUE(page().btnRecord->isEnabled());
    EXPECT_TRUE(page().TB_Volume->isEnabled());
    EXPECT_FALSE(page().btnStop->isEnabled());
    EXPECT_FALSE(page().btnPause->isEnabled());
    EXPECT_TRUE(page().TimerRegistrazione->isActive()) << "time and gauges go on after a stop";
    control().seconds = 3.5;
    tick();
    EXPECT_EQ(page().Lbl_DurataRegistrazione->text(), QStringLiteral("4 Sec"));

    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    EXPECT_EQ(page().btnPause->text(), QStringLiteral("Pause")) << "a new recording pauses with its first click";
}

TEST_F(RecorderPageTest, FailuresLeaveTheButtonsIdleWithTheReason)
{
    page().visit();
    choose(page().cbDevice, 0);
    control().startFailure = QStringLiteral("Impossibile avviare la registrazione: disco pieno");
    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    EXPECT_EQ(dialogs.errors, QStringList{control().startFailure});
    EXPECT_TRUE(page().btnRecord->isEnabled());
    EXPECT_FALSE(page().btnStop->isEnabled());

    control().startFailure.clear();
    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    ASSERT_FALSE(page().btnRecord->isEnabled());
    control().errorHandler(QStringLiteral("La registrazione si è interrotta: device gone"));
    EXPECT_EQ(dialogs.errors.last(), QStringLiteral("La registrazione si è interrotta: device gone"));
    EXPECT_TRUE(page().btnRecord->isEnabled());
    EXPECT_FALSE(page().btnPause->isEnabled());
}

// The display reads the real file and drive: the file's slice and label grow
// with it, and the largest slice stands out.
TEST_F(RecorderPageTest, DiskUsageShowsTheRecordingFileAndTheDrive)
{
    page().visit();
    DiskUsagePanel &disk = *page().diskUsage;
    ASSERT_EQ(disk.Series1->count(), 3);
    EXPECT_EQ(disk.Series1->slices().at(0)->value(), 0) << "no recording yet";
    EXPECT_TRUE(disk.Lbl_Filesize->text().startsWith(QStringLiteral("0 byte")));
    EXPECT_FALSE(disk.Lbl_Total->text().startsWith(QLatin1Char('.')));

    choose(page().cbDevice, 0);
    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    QFile file(folder() + QLatin1Char('/') + page().Lbl_File->text());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, 'x'));
    file.close();
    tick();
    EXPECT_TRUE(disk.Lbl_Filesize->text().endsWith(QStringLiteral(" Kb"))) << disk.Lbl_Filesize->text().toStdString();
    EXPECT_GT(disk.Series1->slices().at(0)->value(), 0);
    int exploded = 0;
    QPieSlice *largest = disk.Series1->slices().at(0);
    for (QPieSlice *slice : disk.Series1->slices()) {
        exploded += slice->isExploded();
        if (slice->value() > largest->value())
            largest = slice;
        EXPECT_TRUE(slice->label().endsWith(QLatin1Char('%'))) << slice->label().toStdString();
    }
    EXPECT_EQ(exploded, 1);
    EXPECT_TRUE(largest->isExploded());
}

TEST_F(RecorderPageTest, WithoutTheModuleTheInstallationPanelAsksForIt)
{
    module.present = false;
    QSignalSpy again(&page(), &RecorderPage::pageChangeRequested);
    page().show();
    page().visit();
    ASSERT_TRUE(page().Pnl_InizializzaRecording->isVisible());
    EXPECT_EQ(module.last, nullptr) << "nothing is created";
    auto *link = page().Pnl_InizializzaRecording->findChild<QLabel *>(QStringLiteral("Lbl_Installa2"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QStringLiteral("product.test/AudioRecording.exe"));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("http://product.test/AudioRecording.exe")});
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("A download completato, premere Ok per proseguire")});
    EXPECT_EQ(again.count(), 1);

    module.present = true; // installed meanwhile: the next visit shows the recorder
    page().visit();
    EXPECT_FALSE(page().Pnl_InizializzaRecording->isVisible());
    EXPECT_EQ(page().cbDevice->count(), 2);
}

TEST_F(RecorderPageTest, AControlThatCannotBeMadeLeavesEmptyListsAndNoError)
{
    module.createFails = true;
    page().visit();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(page().cbDevice->count(), 0);
    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selezionare il dispositivo di registrazione")});
}

// Each paint puts the whole window on screen again: a tick's gauges are
// painted with the figures of the same tick, not one by one before them.
TEST_F(RecorderPageTest, ATickPaintsTheGaugesWithItsFigures)
{
    page().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page()));
    page().visit();
    choose(page().cbDevice, 0);
    QTest::mouseClick(page().btnRecord, Qt::LeftButton);
    QFile file(folder() + QLatin1Char('/') + page().Lbl_File->text());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(QByteArray(3000, 'x')), 3000);
    ASSERT_TRUE(file.flush());
    tick();

    QStringList seen; // the file size shown whenever the gauge paints
    QLabel *size = page().diskUsage->Lbl_Filesize;
    EventWatch watch(page().ProgressSX, QEvent::Paint, [&] { seen << size->text(); });
    ASSERT_EQ(file.write(QByteArray(3000, 'x')), 3000);
    ASSERT_TRUE(file.flush());
    control().left = 20000;
    tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(page().ProgressSX->value(), 61);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.front(), size->text()) << "painted before the tick's figures were shown";
}
