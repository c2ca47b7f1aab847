#pragma once

#include "audiorecord.h"
#include "voxencoder.h"

#include <QList>
#include <QMutex>
#include <QObject>

#include <atomic>
#include <cstdio>
#include <vector>

typedef struct _GstBus GstBus;
typedef struct _GstDevice GstDevice;
typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstPad GstPad;
typedef struct _GstPadProbeInfo GstPadProbeInfo;
typedef struct _GstSample GstSample;

// The recording control on GStreamer: a capture device (a PulseAudio source,
// including the monitor of every output) through volume and level meters into
// the encoder of the chosen format and a file.
class GstAudioRecord final : public AudioRecord
{
public:
    GstAudioRecord();
    ~GstAudioRecord() override;

    int GetDeviceCount() override;
    QString GetDeviceName(int index) override;
    void SetDevice(int index) override;
    void SetRecordFile(const QString &path) override;
    void StartRecord(int channels, int samplesPerSecond) override;
    void StopRecord() override;
    int GetSourceCount() override;
    void SetSource(int index) override;
    QString GetSourceName(int index) override;
    int GetParameterCount() override;
    void SetParameter(int index) override;
    QString GetParameterText() override;
    void SetFormat(int format) override;
    double GetRecordedSeconds() override;
    int GetLevelLeft() override;
    int GetLevelRight() override;
    void SetVolume(int volume) override;
    void PauseRecord() override;
    void ResumeRecord() override;
    QList<qint16> GetPCMWaveData() override;

    void OnPCMWaveData(std::function<void()> handler) override;
    void OnRecordError(std::function<void(const QString &)> handler) override;

private:
    // The GStreamer callbacks, in the implementation file.
    friend struct GstAudioRecordCallbacks;

    void refreshDevices();
    void clearDevices();
    GstDevice *device() const;
    static void setCaptureBlocks(GstElement *source);
    GstElement *buildPipeline(int channels, int rate);
    GstElement *encoderBin();
    void checkElements() const;
    void openVoxFile();
    void closeVoxFile();
    void takeLevels(GstMessage *message);
    void checkBus();
    void post(std::function<void()> call);
    // Sends end-of-stream from `pad` and waits until the file is complete.
    void drain(GstPad *pad);
    void teardown();
    bool recording() const { return m_pipeline != nullptr; }

    std::vector<GstDevice *> m_devices;
    int m_device = -1;
    int m_source = 0;
    int m_format = 0;
    int m_preset = 0;
    int m_volume = 100;
    QString m_file;

    GstElement *m_pipeline = nullptr;
    GstElement *m_volumeElement = nullptr;
    GstPad *m_recordPad = nullptr; // first pad after the device: end of stream goes in here
    int m_rate = 44100;
    int m_channels = 2;
    int m_frameBytes = 4;
    std::atomic<bool> m_paused{false};
    std::atomic<std::uint64_t> m_frames{0};
    std::atomic<int> m_levelLeft{0};
    std::atomic<int> m_levelRight{0};
    std::atomic<bool> m_wantBlocks{false};

    // Calls from the streaming threads are posted through this to the
    // control's own thread.
    QObject m_context;
    std::function<void()> m_blockHandler;
    std::function<void(const QString &)> m_errorHandler;

    QMutex m_blockLock;
    QList<qint16> m_block;

    std::FILE *m_vox = nullptr;
    VoxEncoder m_voxEncoder;
};
