#include "gstaudiorecord.h"

#include "recordingformats.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

constexpr GstClockTime StopTimeout = 5 * GST_SECOND;

AudioRecordError failure(const QString &text)
{
    return AudioRecordError(text);
}

QString fromGst(const gchar *text)
{
    return QString::fromUtf8(text ? text : "");
}

QString errorText(GstMessage *message)
{
    GError *error = nullptr;
    gchar *debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    QString text = fromGst(error ? error->message : nullptr);
    g_clear_error(&error);
    g_free(debug);
    return text;
}

// The first error the bus holds, or empty.
QString takeError(GstElement *pipeline)
{
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    QString text;
    if (message) {
        text = errorText(message);
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    return text;
}

GstElement *make(const char *factory)
{
    GstElement *element = gst_element_factory_make(factory, nullptr);
    if (!element)
        throw failure(QStringLiteral("Manca l'elemento GStreamer %1 (pacchetto %2)")
                          .arg(QLatin1String(factory), RecordingFormats::packageOf(QLatin1String(factory))));
    return element;
}

int levelOf(const GValue *decibels)
{
    const double linear = std::pow(10.0, g_value_get_double(decibels) / 20.0) * 32768.0;
    return static_cast<int>(std::clamp(linear, 0.0, 32768.0));
}

} // namespace

struct GstAudioRecordCallbacks
{
    static GstFlowReturn writeVox(GstElement *sink, gpointer self);
    static GstPadProbeReturn passBlock(GstPad *pad, GstPadProbeInfo *info, gpointer self);
    static GstBusSyncReply busSync(GstBus *bus, GstMessage *message, gpointer self);
};

GstAudioRecord::GstAudioRecord() = default;

GstAudioRecord::~GstAudioRecord()
{
    // Quitting during a recording still leaves a complete, playable file.
    if (recording()) {
        drain(nullptr);
        teardown();
    }
    clearDevices();
}

void GstAudioRecord::clearDevices()
{
    for (GstDevice *d : m_devices)
        gst_object_unref(d);
    m_devices.clear();
}

void GstAudioRecord::refreshDevices()
{
    clearDevices();
    GstDeviceMonitor *monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Audio/Source", nullptr);
    GList *devices = gst_device_monitor_get_devices(monitor);
    for (GList *item = devices; item; item = item->next)
        m_devices.push_back(GST_DEVICE(item->data)); // the list's reference moves here
    g_list_free(devices);
    gst_object_unref(monitor);
}

int GstAudioRecord::GetDeviceCount()
{
    refreshDevices();
    return static_cast<int>(m_devices.size());
}

QString GstAudioRecord::GetDeviceName(int index)
{
    if (index < 0 || index >= static_cast<int>(m_devices.size()))
        throw failure(QStringLiteral("Dispositivo di registrazione %1 inesistente").arg(index));
    gchar *name = gst_device_get_display_name(m_devices[static_cast<std::size_t>(index)]);
    const QString text = fromGst(name);
    g_free(name);
    return text;
}

void GstAudioRecord::SetDevice(int index)
{
    if (index < 0 || index >= static_cast<int>(m_devices.size()))
        throw failure(QStringLiteral("Dispositivo di registrazione %1 inesistente").arg(index));
    m_device = index;
    m_source = 0;
}

GstDevice *GstAudioRecord::device() const
{
    if (m_device >= 0 && m_device < static_cast<int>(m_devices.size()))
        return m_devices[static_cast<std::size_t>(m_device)];
    return m_devices.empty() ? nullptr : m_devices.front();
}

// A PulseAudio source records what its port feeds it and offers no line
// choice through GStreamer, so each device has one line named after it.
int GstAudioRecord::GetSourceCount()
{
    return device() ? 1 : 0;
}

void GstAudioRecord::SetSource(int index)
{
    if (index < 0 || index >= GetSourceCount())
        throw failure(QStringLiteral("Linea di registrazione %1 inesistente").arg(index));
    m_source = index;
}

QString GstAudioRecord::GetSourceName(int index)
{
    if (index < 0 || index >= GetSourceCount())
        throw failure(QStringLiteral("Linea di registrazione %1 inesistente").arg(index));
    gchar *name = gst_device_get_display_name(device());
    const QString text = fromGst(name);
    g_free(name);
    return text;
}

void GstAudioRecord::SetFormat(int format)
{
    if (format < 0 || format >= RecordingFormats::Count)
        throw failure(QStringLiteral("Formato di registrazione %1 inesistente").arg(format));
    m_format = format;
    m_preset = 0;
}

int GstAudioRecord::GetParameterCount()
{
    return static_cast<int>(RecordingFormats::all()[static_cast<std::size_t>(m_format)].presets.size());
}

void GstAudioRecord::SetParameter(int index)
{
    if (index < 0 || index >= GetParameterCount())
        throw failure(QStringLiteral("Tipo di compressione %1 inesistente").arg(index));
    m_preset = index;
}

QString GstAudioRecord::GetParameterText()
{
    return RecordingFormats::all()[static_cast<std::size_t>(m_format)].presets[static_cast<std::size_t>(m_preset)].text;
}

void GstAudioRecord::SetRecordFile(const QString &path)
{
    m_file = path;
}

void GstAudioRecord::SetVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 100);
    if (m_volumeElement)
        g_object_set(m_volumeElement, "volume", m_volume / 100.0, nullptr);
}

double GstAudioRecord::GetRecordedSeconds()
{
    return static_cast<double>(m_frames.load()) / m_rate;
}

int GstAudioRecord::GetLevelLeft()
{
    return m_levelLeft.load();
}

int GstAudioRecord::GetLevelRight()
{
    return m_levelRight.load();
}

void GstAudioRecord::PauseRecord()
{
    if (!recording())
        throw failure(QStringLiteral("Nessuna registrazione in corso"));
    m_paused = true;
}

void GstAudioRecord::ResumeRecord()
{
    if (!recording())
        throw failure(QStringLiteral("Nessuna registrazione in corso"));
    m_paused = false;
}

QList<qint16> GstAudioRecord::GetPCMWaveData()
{
    QMutexLocker lock(&m_blockLock);
    return m_block;
}

void GstAudioRecord::OnPCMWaveData(std::function<void()> handler)
{
    m_blockHandler = std::move(handler);
    m_wantBlocks = static_cast<bool>(m_blockHandler);
}

void GstAudioRecord::OnRecordError(std::function<void(const QString &)> handler)
{
    m_errorHandler = std::move(handler);
}

void GstAudioRecord::post(std::function<void()> call)
{
    QMetaObject::invokeMethod(&m_context, std::move(call), Qt::QueuedConnection);
}

void GstAudioRecord::checkElements() const
{
    const RecordingPreset &preset =
        RecordingFormats::all()[static_cast<std::size_t>(m_format)].presets[static_cast<std::size_t>(m_preset)];
    const QString format = RecordingFormats::all()[static_cast<std::size_t>(m_format)].name;
    for (const QString &name : preset.elements) {
        GstElementFactory *factory = gst_element_factory_find(name.toUtf8().constData());
        if (!factory)
            throw failure(QStringLiteral("Il formato %1 non è disponibile: manca l'elemento GStreamer %2. "
                                         "Installare il pacchetto %3.")
                              .arg(format, name, RecordingFormats::packageOf(name)));
        gst_object_unref(factory);
    }
}

void GstAudioRecord::StartRecord(int channels, int samplesPerSecond)
{
    if (recording())
        throw failure(QStringLiteral("Una registrazione è già in corso"));
    GstDevice *source = m_device >= 0 ? device() : nullptr;
    if (!source)
        throw failure(QStringLiteral("Selezionare il dispositivo di registrazione"));
    if (m_file.isEmpty())
        throw failure(QStringLiteral("Nessun file di destinazione"));
    checkElements();

    const RecordingPreset &preset =
        RecordingFormats::all()[static_cast<std::size_t>(m_format)].presets[static_cast<std::size_t>(m_preset)];
    m_rate = preset.rate > 0 ? preset.rate : std::clamp(samplesPerSecond, 8000, 192000);
    m_channels = preset.channels > 0 ? preset.channels : std::clamp(channels, 1, 2);
    m_frameBytes = 2 * m_channels;
    m_frames = 0;
    m_paused = false;

    m_pipeline = buildPipeline(m_channels, m_rate);
    if (m_format == RecordingFormats::Vox) {
        try {
            openVoxFile();
        } catch (...) {
            teardown();
            throw;
        }
    }
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        QString text = takeError(m_pipeline);
        teardown();
        if (text.isEmpty())
            text = QStringLiteral("errore sconosciuto");
        throw failure(QStringLiteral("Impossibile avviare la registrazione in \"%1\": %2").arg(m_file, text));
    }
}

// The sound server's sources hand over 10 ms blocks by default: a hundred
// wake-ups a second through every element. Blocks of 50 ms still fill the
// 100 ms level messages and the file as finely as the page shows them.
void GstAudioRecord::setCaptureBlocks(GstElement *source)
{
    constexpr gint64 BlockMicroseconds = 50000;
    constexpr gint64 BufferMicroseconds = 4 * BlockMicroseconds;
    if (!source)
        return;
    GObjectClass *type = G_OBJECT_GET_CLASS(source);
    if (g_object_class_find_property(type, "latency-time") && g_object_class_find_property(type, "buffer-time"))
        g_object_set(source, "buffer-time", BufferMicroseconds, "latency-time", BlockMicroseconds, nullptr);
}

GstElement *GstAudioRecord::buildPipeline(int channels, int rate)
{
    GstElement *pipeline = gst_pipeline_new("recording");
    GstElement *source = gst_device_create_element(device(), "source");
    setCaptureBlocks(source);
    GstElement *convert = make("audioconvert");
    GstElement *resample = make("audioresample");
    GstElement *filter = make("capsfilter");
    m_volumeElement = make("volume");
    GstElement *level = make("level");
    GstCaps *caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "layout", G_TYPE_STRING,
                                        "interleaved", "rate", G_TYPE_INT, rate, "channels", G_TYPE_INT, channels,
                                        nullptr);
    g_object_set(filter, "caps", caps, nullptr);
    gst_caps_unref(caps);
    g_object_set(m_volumeElement, "volume", m_volume / 100.0, nullptr);
    g_object_set(level, "interval", static_cast<guint64>(100 * GST_MSECOND), "post-messages", TRUE, nullptr);
    GstElement *encoder = nullptr;
    try {
        encoder = encoderBin();
    } catch (...) {
        for (GstElement *e : {source, convert, resample, filter, m_volumeElement, level})
            gst_object_unref(e);
        gst_object_unref(pipeline);
        m_volumeElement = nullptr;
        throw;
    }
    gst_bin_add_many(GST_BIN(pipeline), source, convert, resample, filter, m_volumeElement, level, encoder, nullptr);
    gst_element_link_many(source, convert, resample, filter, m_volumeElement, level, encoder, nullptr);

    m_recordPad = gst_element_get_static_pad(convert, "sink");
    GstPad *levelOut = gst_element_get_static_pad(level, "src");
    gst_pad_add_probe(levelOut, GST_PAD_PROBE_TYPE_BUFFER,
                      &GstAudioRecordCallbacks::passBlock, this, nullptr);
    gst_object_unref(levelOut);

    GstBus *bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, &GstAudioRecordCallbacks::busSync, this, nullptr);
    gst_object_unref(bus);
    return pipeline;
}

// The format's encoder and the file, as one bin with a sink pad.
GstElement *GstAudioRecord::encoderBin()
{
    const RecordingPreset &preset =
        RecordingFormats::all()[static_cast<std::size_t>(m_format)].presets[static_cast<std::size_t>(m_preset)];
    GError *error = nullptr;
    GstElement *bin = nullptr;
    if (m_format == RecordingFormats::Vox) {
        bin = gst_parse_bin_from_description("appsink name=vox sync=false emit-signals=true", TRUE, &error);
        if (bin) {
            GstElement *sink = gst_bin_get_by_name(GST_BIN(bin), "vox");
            g_signal_connect(sink, "new-sample", G_CALLBACK(&GstAudioRecordCallbacks::writeVox), this);
            gst_object_unref(sink);
        }
    } else {
        // Unbuffered, so the size on disk follows the recording tick by tick.
        const QByteArray description =
            (QStringLiteral("audioconvert ! ") + preset.encoder + QStringLiteral(" ! filesink name=file buffer-mode=unbuffered")).toUtf8();
        bin = gst_parse_bin_from_description(description.constData(), TRUE, &error);
        if (bin) {
            GstElement *file = gst_bin_get_by_name(GST_BIN(bin), "file");
            g_object_set(file, "location", m_file.toLocal8Bit().constData(), nullptr);
            gst_object_unref(file);
        }
    }
    if (!bin) {
        const QString text = fromGst(error ? error->message : nullptr);
        g_clear_error(&error);
        throw failure(QStringLiteral("Impossibile preparare il formato %1: %2")
                          .arg(RecordingFormats::all()[static_cast<std::size_t>(m_format)].name, text));
    }
    g_clear_error(&error);
    return bin;
}

void GstAudioRecord::openVoxFile()
{
    m_voxEncoder = VoxEncoder();
    m_vox = std::fopen(m_file.toLocal8Bit().constData(), "wb");
    if (!m_vox)
        throw failure(
            QStringLiteral("Impossibile creare \"%1\": %2").arg(m_file, QString::fromLocal8Bit(std::strerror(errno))));
}

void GstAudioRecord::closeVoxFile()
{
    if (!m_vox)
        return;
    const QByteArray tail = m_voxEncoder.finish();
    std::fwrite(tail.constData(), 1, static_cast<std::size_t>(tail.size()), m_vox);
    std::fclose(m_vox);
    m_vox = nullptr;
}

GstFlowReturn GstAudioRecordCallbacks::writeVox(GstElement *sink, gpointer self)
{
    auto *record = static_cast<GstAudioRecord *>(self);
    GstSample *sample = gst_app_sink_pull_sample(GST_APP_SINK(sink));
    if (!sample)
        return GST_FLOW_EOS;
    GstMapInfo map;
    GstBuffer *buffer = gst_sample_get_buffer(sample);
    GstFlowReturn result = GST_FLOW_OK;
    if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        const QByteArray bytes = record->m_voxEncoder.encode(reinterpret_cast<const std::int16_t *>(map.data),
                                                             static_cast<long>(map.size / 2));
        if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), record->m_vox)
            != static_cast<std::size_t>(bytes.size())) {
            GST_ELEMENT_ERROR(sink, RESOURCE, WRITE, ("%s", std::strerror(errno)), (nullptr));
            result = GST_FLOW_ERROR;
        }
        gst_buffer_unmap(buffer, &map);
    }
    gst_sample_unref(sample);
    return result;
}

// Streaming thread: paused audio never reaches the file, and the timestamps
// count only what did, so the file's timeline has no gap at a resume.
GstPadProbeReturn GstAudioRecordCallbacks::passBlock(GstPad *, GstPadProbeInfo *info, gpointer self)
{
    auto *record = static_cast<GstAudioRecord *>(self);
    if (record->m_paused)
        return GST_PAD_PROBE_DROP;
    GstBuffer *buffer = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
    GST_PAD_PROBE_INFO_DATA(info) = buffer;
    const std::uint64_t frames = gst_buffer_get_size(buffer) / static_cast<std::size_t>(record->m_frameBytes);
    const std::uint64_t before = record->m_frames.fetch_add(frames);
    const auto rate = static_cast<guint64>(record->m_rate);
    GST_BUFFER_PTS(buffer) = gst_util_uint64_scale(before, GST_SECOND, rate);
    GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(before + frames, GST_SECOND, rate) - GST_BUFFER_PTS(buffer);
    GST_BUFFER_DTS(buffer) = GST_CLOCK_TIME_NONE;
    if (before > 0)
        GST_BUFFER_FLAG_UNSET(buffer, GST_BUFFER_FLAG_DISCONT);

    if (record->m_wantBlocks) {
        GstMapInfo map;
        if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const auto *samples = reinterpret_cast<const qint16 *>(map.data);
            {
                QMutexLocker lock(&record->m_blockLock);
                record->m_block = QList<qint16>(samples, samples + map.size / 2);
            }
            gst_buffer_unmap(buffer, &map);
            record->post([record] {
                if (record->m_blockHandler)
                    record->m_blockHandler();
            });
        }
    }
    return GST_PAD_PROBE_OK;
}

void GstAudioRecord::takeLevels(GstMessage *message)
{
    const GstStructure *s = gst_message_get_structure(message);
    const GValue *peak = gst_structure_get_value(s, "peak");
    if (!peak)
        return;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    auto *values = static_cast<GValueArray *>(g_value_get_boxed(peak));
    if (!values || values->n_values == 0)
        return;
    const int left = levelOf(g_value_array_get_nth(values, 0));
    const int right = values->n_values > 1 ? levelOf(g_value_array_get_nth(values, 1)) : left;
    G_GNUC_END_IGNORE_DEPRECATIONS
    m_levelLeft = left;
    m_levelRight = right;
}

// Any thread: levels are taken at once; errors go to the control's thread.
// A message the handler drops is the handler's to free: the level element
// alone posts ten a second for as long as a recording runs.
GstBusSyncReply GstAudioRecordCallbacks::busSync(GstBus *, GstMessage *message, gpointer self)
{
    auto *record = static_cast<GstAudioRecord *>(self);
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        record->post([record] { record->checkBus(); });
        return GST_BUS_PASS;
    case GST_MESSAGE_EOS:
        return GST_BUS_PASS;
    case GST_MESSAGE_ELEMENT:
        if (gst_structure_has_name(gst_message_get_structure(message), "level"))
            record->takeLevels(message);
        break;
    default:
        break;
    }
    gst_message_unref(message);
    return GST_BUS_DROP;
}

// The control's thread: a recording that failed under way is closed so the
// file so far stays playable, and the user is told why it stopped.
void GstAudioRecord::checkBus()
{
    if (!recording())
        return;
    const QString text = takeError(m_pipeline);
    if (text.isEmpty())
        return;
    drain(m_recordPad);
    teardown();
    if (m_errorHandler)
        m_errorHandler(QStringLiteral("La registrazione si è interrotta: %1. Il file registrato finora è stato "
                                      "salvato in \"%2\".")
                           .arg(text, m_file));
}

void GstAudioRecord::drain(GstPad *pad)
{
    // After an error the device sends nothing more, so the end of stream
    // enters behind it; otherwise the device itself ends the stream.
    if (pad)
        gst_pad_send_event(pad, gst_event_new_eos());
    else
        gst_element_send_event(m_pipeline, gst_event_new_eos());
    GstBus *bus = gst_element_get_bus(m_pipeline);
    const GstClockTime deadline = gst_util_get_timestamp() + StopTimeout;
    for (;;) {
        const GstClockTime now = gst_util_get_timestamp();
        if (now >= deadline)
            break;
        GstMessage *message = gst_bus_timed_pop_filtered(
            bus, deadline - now, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        if (!message)
            break;
        const bool done = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
        gst_message_unref(message);
        if (done || !pad)
            break;
    }
    gst_object_unref(bus);
}

void GstAudioRecord::StopRecord()
{
    if (!recording())
        return;
    drain(nullptr);
    teardown();
}

void GstAudioRecord::teardown()
{
    if (m_pipeline) {
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        GstBus *bus = gst_element_get_bus(m_pipeline);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(m_pipeline);
    }
    if (m_recordPad)
        gst_object_unref(m_recordPad);
    m_pipeline = nullptr;
    m_recordPad = nullptr;
    m_volumeElement = nullptr;
    m_paused = false;
    m_levelLeft = 0;
    m_levelRight = 0;
    closeVoxFile();
}

extern "C" Q_DECL_EXPORT AudioRecord *sonvela_create_audio_record()
{
    GError *error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        g_clear_error(&error);
        return nullptr;
    }
    return new GstAudioRecord;
}
