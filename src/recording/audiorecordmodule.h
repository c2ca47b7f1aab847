#pragma once

#include <QString>

#include <memory>

class AudioRecord;

// Where the recording control comes from: loaded on the first visit of the
// recorder page, so that a client without it still runs.
class AudioRecordModule
{
public:
    virtual ~AudioRecordModule() = default;
    // False when the module's file is missing or cannot be loaded.
    virtual bool available() = 0;
    // A new control; null when it cannot be had.
    virtual std::unique_ptr<AudioRecord> create() = 0;
};
