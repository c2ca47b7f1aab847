#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One wave-format preset of an output format: the text shown in the list and
// how the recording module encodes it.
struct RecordingPreset
{
    QString text;
    // Pipeline description that takes 16-bit interleaved PCM and yields the
    // file's bytes; empty for VOX, which the module encodes itself.
    QString encoder;
    // GStreamer elements the description needs, to name what is missing.
    QStringList elements;
    // Fixed rate and channels of the preset; 0 takes what StartRecord asks.
    int rate = 0;
    int channels = 0;
};

struct RecordingFormat
{
    QString name; // also the file name's extension
    std::vector<RecordingPreset> presets;
};

// The nine output formats in list order: "WAV", "MP3", "WMA", "OGG", "VOX",
// "AU", "AIFF", "MP4", "FLAC".
class RecordingFormats
{
public:
    static constexpr int Count = 9;
    static constexpr int Vox = 4;

    static const std::vector<RecordingFormat> &all();
    static QStringList names();
    // The Debian package that brings a GStreamer element.
    static QString packageOf(const QString &element);
};
