#include "decodedaudio.h"
#include "voxdecoder.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <QUrl>

#include <algorithm>
#include <cmath>

DecodedAudio DecodedAudio::fromFile(const QString &path)
{
    DecodedAudio audio;
    const QByteArray description =
        QStringLiteral("uridecodebin uri=%1 ! audioconvert ! audio/x-raw,format=S16LE,layout=interleaved ! "
                       "appsink name=out sync=false")
            .arg(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded))
            .toUtf8();
    GError *error = nullptr;
    GstElement *pipeline = gst_parse_launch(description.constData(), &error);
    g_clear_error(&error);
    if (!pipeline) {
        audio.problem = QStringLiteral("no pipeline");
        return audio;
    }
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    while (GstSample *sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), 10 * GST_SECOND)) {
        if (audio.rate == 0) {
            const GstStructure *caps = gst_caps_get_structure(gst_sample_get_caps(sample), 0);
            gst_structure_get_int(caps, "rate", &audio.rate);
            gst_structure_get_int(caps, "channels", &audio.channels);
        }
        GstMapInfo map;
        GstBuffer *buffer = gst_sample_get_buffer(sample);
        if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const auto *data = reinterpret_cast<const std::int16_t *>(map.data);
            audio.samples.insert(audio.samples.end(), data, data + map.size / 2);
            gst_buffer_unmap(buffer, &map);
        }
        gst_sample_unref(sample);
    }
    GstBus *bus = gst_element_get_bus(pipeline);
    if (GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
        GError *failure = nullptr;
        gst_message_parse_error(message, &failure, nullptr);
        audio.problem = QString::fromUtf8(failure ? failure->message : "error");
        g_clear_error(&failure);
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(sink);
    gst_object_unref(pipeline);
    if (audio.rate == 0 && audio.problem.isEmpty())
        audio.problem = QStringLiteral("no audio decoded");
    return audio;
}

DecodedAudio DecodedAudio::fromVox(const QByteArray &bytes, int rate)
{
    DecodedAudio audio;
    audio.rate = rate;
    audio.channels = 1;
    audio.samples = decodeVox(bytes);
    return audio;
}

double DecodedAudio::seconds() const
{
    return rate > 0 && channels > 0 ? static_cast<double>(samples.size()) / channels / rate : 0;
}

double DecodedAudio::rms(double from, double to) const
{
    const auto first = static_cast<std::size_t>(std::max(0.0, from * rate));
    const auto last = std::min(samples.size() / static_cast<std::size_t>(channels), static_cast<std::size_t>(to * rate));
    double sum = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double s = samples[i * static_cast<std::size_t>(channels)];
        sum += s * s;
    }
    return last > first ? std::sqrt(sum / static_cast<double>(last - first)) : 0;
}

double DecodedAudio::frequency(double from, double to) const
{
    // Crossings need a swing past a threshold, so the codec noise of a quiet
    // stretch adds none; the median of 100 ms windows ignores a stretch the
    // tone's player dropped on a loaded machine.
    const auto c = static_cast<std::size_t>(channels);
    std::vector<double> windows;
    for (double at = from; at + 0.1 <= to; at += 0.1) {
        const auto first = static_cast<std::size_t>(at * rate);
        const auto last = std::min(samples.size() / c, static_cast<std::size_t>((at + 0.1) * rate));
        int crossings = 0;
        bool low = false;
        for (std::size_t i = first; i < last; ++i) {
            const int s = samples[i * c];
            if (s < -1000)
                low = true;
            else if (s > 1000 && low) {
                low = false;
                ++crossings;
            }
        }
        windows.push_back(crossings * 10.0);
    }
    if (windows.empty())
        return 0;
    std::nth_element(windows.begin(), windows.begin() + windows.size() / 2, windows.end());
    return windows[windows.size() / 2];
}
