#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <stdexcept>

// A failure reported by the recording control; its text is shown to the user.
class AudioRecordError : public std::runtime_error
{
public:
    explicit AudioRecordError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};

// The recording control: capture devices and their lines, nine output formats
// with their presets, levels, volume, pause and resume. Indexes count from 0.
// Calls that fail throw AudioRecordError. It lives in the thread that created
// it, and its notifications arrive there, from that thread's event loop.
class AudioRecord
{
public:
    virtual ~AudioRecord() = default;

    virtual int GetDeviceCount() = 0;
    virtual QString GetDeviceName(int index) = 0;
    virtual void SetDevice(int index) = 0;
    virtual void SetRecordFile(const QString &path) = 0;
    virtual void StartRecord(int channels, int samplesPerSecond) = 0;
    virtual void StopRecord() = 0;
    virtual int GetSourceCount() = 0;
    virtual void SetSource(int index) = 0;
    virtual QString GetSourceName(int index) = 0;
    virtual int GetParameterCount() = 0;
    virtual void SetParameter(int index) = 0;
    virtual QString GetParameterText() = 0;
    // 0..8 for "WAV", "MP3", "WMA", "OGG", "VOX", "AU", "AIFF", "MP4", "FLAC".
    virtual void SetFormat(int format) = 0;
    // Seconds written to the file so far; paused time does not count.
    virtual double GetRecordedSeconds() = 0;
    // Present level of each channel, full scale 32768.
    virtual int GetLevelLeft() = 0;
    virtual int GetLevelRight() = 0;
    // 0..100, applied before the encoder.
    virtual void SetVolume(int volume) = 0;
    virtual void PauseRecord() = 0;
    virtual void ResumeRecord() = 0;
    // The latest block of interleaved samples; kept only while a block
    // notification is set, so it costs nothing otherwise.
    virtual QList<qint16> GetPCMWaveData() = 0;

    // A new block is there for GetPCMWaveData; an empty function unsubscribes.
    virtual void OnPCMWaveData(std::function<void()> handler) = 0;
    // The recording ended by itself (device gone, disk full): the file so far
    // is complete and playable; the text says what happened.
    virtual void OnRecordError(std::function<void(const QString &)> handler) = 0;
};

// C entry point of the recording module, resolved at run time; null when the
// module cannot work here.
extern "C" {
using CreateAudioRecordFunction = AudioRecord *(*)();
}
#define SONVELA_AUDIORECORD_ENTRY "sonvela_create_audio_record"
