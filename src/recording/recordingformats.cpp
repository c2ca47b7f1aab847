#include "recordingformats.h"

namespace {

RecordingPreset preset(const char *text, const char *encoder, QStringList elements)
{
    return RecordingPreset{QString::fromUtf8(text), QString::fromUtf8(encoder), std::move(elements), 0, 0};
}

RecordingPreset voxPreset(const char *text, int rate)
{
    return RecordingPreset{QString::fromUtf8(text), QString(), {}, rate, 1};
}

std::vector<RecordingFormat> buildFormats()
{
    const QStringList wav{QStringLiteral("wavenc")};
    const QStringList mp3{QStringLiteral("lamemp3enc")};
    const QStringList wma{QStringLiteral("avenc_wmav2"), QStringLiteral("avmux_asf")};
    const QStringList ogg{QStringLiteral("vorbisenc"), QStringLiteral("oggmux")};
    const QStringList au{QStringLiteral("avmux_au")};
    const QStringList aiff{QStringLiteral("avmux_aiff")};
    const QStringList mp4{QStringLiteral("avenc_aac"), QStringLiteral("mp4mux")};
    const QStringList flac{QStringLiteral("flacenc")};
    return {
        {QStringLiteral("WAV"),
         {preset("WAV PCM 16 bit", "audio/x-raw,format=S16LE ! wavenc", wav),
          preset("WAV PCM 24 bit", "audio/x-raw,format=S24LE ! wavenc", wav),
          preset("WAV PCM 8 bit", "audio/x-raw,format=U8 ! wavenc", wav)}},
        {QStringLiteral("MP3"),
         {preset("MP3 128 kbit/s", "lamemp3enc target=bitrate cbr=true bitrate=128", mp3),
          preset("MP3 192 kbit/s", "lamemp3enc target=bitrate cbr=true bitrate=192", mp3),
          preset("MP3 256 kbit/s", "lamemp3enc target=bitrate cbr=true bitrate=256", mp3),
          preset("MP3 320 kbit/s", "lamemp3enc target=bitrate cbr=true bitrate=320", mp3)}},
        {QStringLiteral("WMA"),
         {preset("WMA 128 kbit/s", "avenc_wmav2 bitrate=128000 ! avmux_asf", wma),
          preset("WMA 192 kbit/s", "avenc_wmav2 bitrate=192000 ! avmux_asf", wma)}},
        {QStringLiteral("OGG"),
         {preset("OGG Vorbis quality 4 (about 128 kbit/s)", "vorbisenc quality=0.4 ! oggmux", ogg),
          preset("OGG Vorbis quality 6 (about 192 kbit/s)", "vorbisenc quality=0.6 ! oggmux", ogg),
          preset("OGG Vorbis quality 8 (about 256 kbit/s)", "vorbisenc quality=0.8 ! oggmux", ogg)}},
        {QStringLiteral("VOX"),
         {voxPreset("VOX ADPCM 4 bit, 8000 Hz mono", 8000), voxPreset("VOX ADPCM 4 bit, 6000 Hz mono", 6000)}},
        {QStringLiteral("AU"),
         {preset("AU PCM 16 bit", "audio/x-raw,format=S16BE ! avmux_au", au),
          preset("AU µ-law 8 bit", "mulawenc ! avmux_au", au + QStringList{QStringLiteral("mulawenc")})}},
        {QStringLiteral("AIFF"),
         {preset("AIFF PCM 16 bit", "audio/x-raw,format=S16BE ! avmux_aiff", aiff),
          preset("AIFF PCM 24 bit", "audio/x-raw,format=S24BE ! avmux_aiff", aiff)}},
        {QStringLiteral("MP4"),
         {preset("MP4 AAC 128 kbit/s", "avenc_aac bitrate=128000 ! mp4mux", mp4),
          preset("MP4 AAC 192 kbit/s", "avenc_aac bitrate=192000 ! mp4mux", mp4),
          preset("MP4 AAC 256 kbit/s", "avenc_aac bitrate=256000 ! mp4mux", mp4)}},
        {QStringLiteral("FLAC"),
         {preset("FLAC level 5 (standard)", "flacenc quality=5", flac),
          preset("FLAC level 8 (smallest file)", "flacenc quality=8", flac),
          preset("FLAC level 0 (fastest)", "flacenc quality=0", flac)}},
    };
}

} // namespace

const std::vector<RecordingFormat> &RecordingFormats::all()
{
    static const std::vector<RecordingFormat> formats = buildFormats();
    return formats;
}

QStringList RecordingFormats::names()
{
    QStringList names;
    for (const RecordingFormat &format : all())
        names << format.name;
    return names;
}

QString RecordingFormats::packageOf(const QString &element)
{
    if (element.startsWith(QLatin1String("avenc_")) || element.startsWith(QLatin1String("avmux_")))
        return QStringLiteral("gstreamer1.0-libav");
    if (element == QLatin1String("vorbisenc") || element == QLatin1String("oggmux"))
        return QStringLiteral("gstreamer1.0-plugins-base");
    return QStringLiteral("gstreamer1.0-plugins-good");
}
