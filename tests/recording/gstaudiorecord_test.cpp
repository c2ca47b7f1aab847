#include "decodedaudio.h"
#include "pulseserver.h"

#include "recording/audioctllibrary.h"
#include "recording/audiorecord.h"
#include "recording/recordingformats.h"

#include <gst/gst.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int ToneHz = 1000;

// Lets the event loop run for a while: the control's notifications arrive there.
void runFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// The leaks tracer, or null; it counts GstMessages (see SetUpTestSuite).
GstTracer *leaksTracer()
{
    GList *tracers = gst_tracing_get_active_tracers();
    GstTracer *found = nullptr;
    for (GList *t = tracers; t; t = t->next) {
        if (g_strcmp0(G_OBJECT_TYPE_NAME(t->data), "GstLeaksTracer") == 0)
            found = GST_TRACER(gst_object_ref(t->data));
    }
    g_list_free_full(tracers, gst_object_unref);
    return found;
}

// Messages made less messages freed since tracking started. The checkpoint
// names them without holding them, so messages freed meanwhile in the
// streaming threads are no trouble.
int messagesKeptSinceTrackingStarted(GstTracer *tracer)
{
    GstStructure *checkpoint = nullptr;
    g_signal_emit_by_name(tracer, "activity-get-checkpoint", &checkpoint);
    if (!checkpoint)
        return -1;
    const auto size = [checkpoint](const char *field) {
        const GValue *list = gst_structure_get_value(checkpoint, field);
        return list ? static_cast<int>(gst_value_list_get_size(list)) : 0;
    };
    const int kept = size("objects-created-list") - size("objects-removed-list");
    gst_structure_free(checkpoint);
    return kept;
}

} // namespace

// One private PulseAudio for the whole suite, with a tone playing into its
// null sink; each test records the sink's monitor through the real module.
class RecordingTest : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_pulse = std::make_unique<PulseServer>();
        s_started = s_pulse->start();
        if (s_started) {
            // Counts the messages still alive, for the test of a long recording.
            qputenv("GST_TRACERS", "leaks(filters=GstMessage)");
            gst_init(nullptr, nullptr);
            s_started = s_pulse->playTone(ToneHz);
        }
    }
    static void TearDownTestSuite() { s_pulse.reset(); }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(s_started) << s_pulse->problem().toStdString();
        const QString build = qEnvironmentVariable("SONVELA_BUILD_DIR");
        m_library = std::make_unique<AudioCtlLibrary>(AudioCtlLibrary::defaultCandidates(build + QStringLiteral("/bin")));
        ASSERT_TRUE(m_library->available()) << m_library->problem().toStdString();
        record = m_library->create();
        ASSERT_NE(record, nullptr);
        monitor = monitorIndex();
        ASSERT_GE(monitor, 0) << "no monitor of the null sink among the capture devices";
    }

    int monitorIndex()
    {
        const int count = record->GetDeviceCount();
        for (int i = 0; i < count; ++i) {
            if (record->GetDeviceName(i).contains(QLatin1String("Monitor")))
                return i;
        }
        return -1;
    }

    // The message of a start that fails, or empty after stopping one that did not.
    QString startFailure()
    {
        try {
            record->StartRecord(2, 44100);
        } catch (const AudioRecordError &error) {
            return error.message();
        }
        record->StopRecord();
        return QString();
    }

    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    // Records the monitor until the control counts `seconds` (on a loaded
    // machine the device may deliver late) into `name`; the highest left
    // level seen on the way goes to `peakLevel`.
    void recordFor(int format, double seconds, const QString &name, int *peakLevel = nullptr)
    {
        record->SetDevice(monitor);
        record->SetSource(0);
        record->SetFormat(format);
        record->SetParameter(0);
        record->SetVolume(100);
        record->SetRecordFile(file(name));
        record->StartRecord(2, 44100);
        int peak = 0;
        const QDeadlineTimer deadline(static_cast<qint64>(seconds * 5000));
        while (record->GetRecordedSeconds() < seconds && !deadline.hasExpired()) {
            runFor(50);
            peak = std::max(peak, record->GetLevelLeft());
        }
        record->StopRecord();
        if (peakLevel)
            *peakLevel = peak;
    }

    static std::unique_ptr<PulseServer> s_pulse;
    static bool s_started;
    QTemporaryDir m_dir;
    std::unique_ptr<AudioCtlLibrary> m_library;
    std::unique_ptr<AudioRecord> record;
    int monitor = -1;
};

std::unique_ptr<PulseServer> RecordingTest::s_pulse;
bool RecordingTest::s_started = false;

TEST_F(RecordingTest, DevicesLinesAndPresetsDescribeThemselves)
{
    EXPECT_EQ(record->GetSourceCount(), 1);
    record->SetDevice(monitor);
    ASSERT_EQ(record->GetSourceCount(), 1);
    EXPECT_EQ(record->GetSourceName(0), record->GetDeviceName(monitor));
    for (int format = 0; format < RecordingFormats::Count; ++format) {
        record->SetFormat(format);
        const int count = record->GetParameterCount();
        EXPECT_GE(count, 2) << format;
        QStringList texts;
        for (int p = 0; p < count; ++p) {
            record->SetParameter(p);
            texts << record->GetParameterText();
        }
        texts.removeDuplicates();
        EXPECT_EQ(texts.size(), count) << texts.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(texts.front().startsWith(RecordingFormats::names()[format])) << texts.front().toStdString();
    }
    EXPECT_THROW(record->SetFormat(9), AudioRecordError);
    EXPECT_THROW(record->SetDevice(record->GetDeviceCount()), AudioRecordError);
}

// Each format records the tone into a file that decodes back to it: the
// channels and rate asked for (VOX: its preset's mono 8000 Hz), as long as the
// control says it recorded, and the tone's pitch.
TEST_F(RecordingTest, EveryFormatRecordsTheToneIntoAFileThatDecodesBack)
{
    for (int format = 0; format < RecordingFormats::Count; ++format) {
        SCOPED_TRACE(RecordingFormats::names()[format].toStdString());
        const QString name = QStringLiteral("tone.") + RecordingFormats::names()[format];
        int peak = 0;
        recordFor(format, 2.0, name, &peak);
        const double recorded = record->GetRecordedSeconds();
        EXPECT_GE(recorded, 2.0);
        EXPECT_GT(peak, 8000) << "the left gauge never moved";

        DecodedAudio audio;
        if (format == RecordingFormats::Vox) {
            QFile vox(file(name));
            ASSERT_TRUE(vox.open(QIODevice::ReadOnly));
            audio = DecodedAudio::fromVox(vox.readAll(), 8000);
        } else {
            audio = DecodedAudio::fromFile(file(name));
            EXPECT_EQ(audio.channels, 2);
            EXPECT_EQ(audio.rate, 44100);
        }
        ASSERT_TRUE(audio.problem.isEmpty()) << audio.problem.toStdString();
        EXPECT_NEAR(audio.seconds(), recorded, recorded * 0.1);
        EXPECT_GT(audio.rms(0.3, recorded - 0.3), 3000);
        EXPECT_NEAR(audio.frequency(0.3, recorded - 0.3), ToneHz, ToneHz * 0.05);
    }
}

// A pause leaves neither a gap nor a click: MP4 takes its timeline from the
// timestamps, so a hole in them would show as a longer file or a silent stretch.
TEST_F(RecordingTest, PauseAndResumeContinueTheSameFileWithoutAGap)
{
    record->SetDevice(monitor);
    record->SetFormat(7);
    record->SetParameter(0);
    record->SetRecordFile(file(QStringLiteral("paused.MP4")));
    record->StartRecord(2, 44100);
    runFor(1000);
    record->PauseRecord();
    const double atPause = record->GetRecordedSeconds();
    runFor(1000);
    EXPECT_NEAR(record->GetRecordedSeconds(), atPause, 0.05) << "time ran on while paused";
    record->ResumeRecord();
    runFor(1000);
    record->StopRecord();
    const double recorded = record->GetRecordedSeconds();
    EXPECT_NEAR(recorded, 2.0, 0.4);

    const DecodedAudio audio = DecodedAudio::fromFile(file(QStringLiteral("paused.MP4")));
    ASSERT_TRUE(audio.problem.isEmpty()) << audio.problem.toStdString();
    EXPECT_NEAR(audio.seconds(), recorded, recorded * 0.1);
    for (double at = 0.2; at + 0.05 < audio.seconds() - 0.2; at += 0.05)
        EXPECT_GT(audio.rms(at, at + 0.05), 3000) << "silence at " << at << " s";
}

TEST_F(RecordingTest, BlocksAreKeptOnlyForASubscriber)
{
    record->SetDevice(monitor);
    record->SetFormat(0);
    record->SetRecordFile(file(QStringLiteral("blocks.WAV")));
    record->StartRecord(2, 44100);
    runFor(300);
    EXPECT_TRUE(record->GetPCMWaveData().isEmpty());
    int notices = 0;
    record->OnPCMWaveData([&] { ++notices; });
    runFor(300);
    record->StopRecord();
    EXPECT_GT(notices, 0);
    const QList<qint16> block = record->GetPCMWaveData();
    ASSERT_FALSE(block.isEmpty());
    EXPECT_EQ(block.size() % 2, 0) << "a block holds whole stereo frames";
}

// Where the file cannot be written, the start fails with the reason and the
// control is ready for the next start.
// The level element posts ten messages a second for as long as a recording
// runs; an hour's recording must not keep them.
TEST_F(RecordingTest, ARecordingFreesTheMessagesItIsSent)
{
    GstTracer *tracer = leaksTracer();
    ASSERT_NE(tracer, nullptr) << "the GStreamer leaks tracer is not there";
    g_signal_emit_by_name(tracer, "activity-start-tracking");
    int peak = 0;
    recordFor(1, 3.0, QStringLiteral("levels.mp3"), &peak);
    EXPECT_GT(peak, 0) << "the levels were read";
    EXPECT_LT(messagesKeptSinceTrackingStarted(tracer), 5);
    g_signal_emit_by_name(tracer, "activity-stop-tracking");
    gst_object_unref(tracer);
}

TEST_F(RecordingTest, AnUnwritableFileFailsTheStartAndLeavesTheControlIdle)
{
    record->SetDevice(monitor);
    for (int format : {0, RecordingFormats::Vox}) {
        record->SetFormat(format);
        record->SetRecordFile(m_dir.path() + QStringLiteral("/missing/folder/x.") + RecordingFormats::names()[format]);
        const QString message = startFailure();
        EXPECT_TRUE(message.contains(QLatin1String("missing/folder"))) << message.toStdString();
    }
    int peak = 0;
    recordFor(0, 0.5, QStringLiteral("after.WAV"), &peak);
    EXPECT_GT(record->GetRecordedSeconds(), 0.2);
}

// Removing the MP3 encoder from this process's registry stands for a machine
// without its package: MP3 says what to install, WAV still records.
TEST_F(RecordingTest, AMissingEncoderNamesItsPackageAndSparesTheOthers)
{
    GstRegistry *registry = gst_registry_get();
    GstPluginFeature *feature = gst_registry_lookup_feature(registry, "lamemp3enc");
    ASSERT_NE(feature, nullptr);
    gst_registry_remove_feature(registry, feature);

    record->SetDevice(monitor);
    record->SetFormat(1);
    record->SetRecordFile(file(QStringLiteral("x.MP3")));
    const QString message = startFailure();
    EXPECT_TRUE(message.contains(QLatin1String("lamemp3enc"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("gstreamer1.0-plugins-good"))) << message.toStdString();
    recordFor(0, 0.5, QStringLiteral("still.WAV"));
    gst_registry_add_feature(registry, feature);
    EXPECT_GT(record->GetRecordedSeconds(), 0.2);
}

// Runs last: it takes the sink away, and capture from a sink loaded again
// comes back only after a while.
TEST_F(RecordingTest, DeviceThatDisappearsStopsTheRecordingAndKeepsTheFile)
{
    QString told;
    record->OnRecordError([&](const QString &message) { told = message; });
    record->SetDevice(monitor);
    record->SetFormat(0);
    record->SetRecordFile(file(QStringLiteral("cut.WAV")));
    record->StartRecord(2, 44100);
    runFor(1000);
    s_pulse->stopTone();
    ASSERT_TRUE(s_pulse->pactl({QStringLiteral("unload-module"), QStringLiteral("module-null-sink")}));
    const QDeadlineTimer deadline(8000);
    while (told.isEmpty() && !deadline.hasExpired())
        runFor(50);

    ASSERT_FALSE(told.isEmpty()) << "no word of the lost device";
    EXPECT_TRUE(told.contains(file(QStringLiteral("cut.WAV")))) << told.toStdString();
    const DecodedAudio audio = DecodedAudio::fromFile(file(QStringLiteral("cut.WAV")));
    ASSERT_TRUE(audio.problem.isEmpty()) << audio.problem.toStdString();
    EXPECT_GT(audio.seconds(), 0.5);
    EXPECT_NEAR(audio.seconds(), record->GetRecordedSeconds(), 0.2);
    EXPECT_NO_THROW(record->StopRecord());
}

