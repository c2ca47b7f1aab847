#pragma once

#include "recording/audiorecord.h"
#include "recording/audiorecordmodule.h"
#include "recording/recordingformats.h"

#include <QStringList>

#include <memory>

// A recording control that logs every call and answers from its fields.
class FakeAudioRecord final : public AudioRecord
{
public:
    QStringList devices{QStringLiteral("Built-in microphone"), QStringLiteral("Monitor of Speakers")};
    QStringList calls;
    QString startFailure; // non-empty: StartRecord throws it
    double seconds = 0;
    int left = 0;
    int right = 0;
    std::function<void(const QString &)> errorHandler;

    int GetDeviceCount() override { return log(QStringLiteral("GetDeviceCount")), int(devices.size()); }
    QString GetDeviceName(int i) override { return log(QStringLiteral("GetDeviceName %1").arg(i)), devices.at(i); }
    void SetDevice(int i) override { m_device = i, log(QStringLiteral("SetDevice %1").arg(i)); }
    void SetRecordFile(const QString &path) override { log(QStringLiteral("SetRecordFile ") + path); }
    void StartRecord(int channels, int rate) override
    {
        log(QStringLiteral("StartRecord %1 %2").arg(channels).arg(rate));
        if (!startFailure.isEmpty())
            throw AudioRecordError(startFailure);
    }
    void StopRecord() override { log(QStringLiteral("StopRecord")); }
    int GetSourceCount() override { return log(QStringLiteral("GetSourceCount")), devices.isEmpty() ? 0 : 1; }
    void SetSource(int i) override { log(QStringLiteral("SetSource %1").arg(i)); }
    QString GetSourceName(int) override { return devices.at(std::max(m_device, 0)) + QStringLiteral(" line"); }
    int GetParameterCount() override
    {
        return log(QStringLiteral("GetParameterCount")), int(RecordingFormats::all()[std::size_t(m_format)].presets.size());
    }
    void SetParameter(int i) override { m_preset = i, log(QStringLiteral("SetParameter %1").arg(i)); }
    QString GetParameterText() override
    {
        return RecordingFormats::all()[std::size_t(m_format)].presets[std::size_t(m_preset)].text;
    }
    void SetFormat(int f) override { m_format = f, log(QStringLiteral("SetFormat %1").arg(f)); }
    double GetRecordedSeconds() override { return seconds; }
    int GetLevelLeft() override { return left; }
    int GetLevelRight() override { return right; }
    void SetVolume(int v) override { log(QStringLiteral("SetVolume %1").arg(v)); }
    void PauseRecord() override { log(QStringLiteral("PauseRecord")); }
    void ResumeRecord() override { log(QStringLiteral("ResumeRecord")); }
    QList<qint16> GetPCMWaveData() override { return {}; }
    void OnPCMWaveData(std::function<void()> handler) override
    {
        log(handler ? QStringLiteral("OnPCMWaveData set") : QStringLiteral("OnPCMWaveData cleared"));
    }
    void OnRecordError(std::function<void(const QString &)> handler) override { errorHandler = std::move(handler); }

private:
    void log(const QString &call) { calls << call; }

    int m_device = -1;
    int m_format = 0;
    int m_preset = 0;
};

class FakeAudioRecordModule final : public AudioRecordModule
{
public:
    bool present = true;
    bool createFails = false;
    FakeAudioRecord *last = nullptr;
    std::unique_ptr<FakeAudioRecord> prepared = std::make_unique<FakeAudioRecord>();

    bool available() override { return present; }
    std::unique_ptr<AudioRecord> create() override
    {
        if (createFails)
            throw AudioRecordError(QStringLiteral("cannot connect"));
        last = prepared.get();
        return std::move(prepared);
    }
};
