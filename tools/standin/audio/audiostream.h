#pragma once

#include "stationsynth.h"
#include "streampacer.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

class Mp3Encoder;

// One listener's stream: synthesised, encoded, sent in a burst on connect and
// then at real time, so a player starts at once and a listener costs a
// bounded share of the CPU.
class AudioStream final
{
public:
    enum class Format { Mp3, Wav };

    static constexpr std::size_t chunkFrames = 4608; // four MP3 frames, about 0.1 s

    AudioStream(int stationId, Format format, const std::atomic<bool> &stopping);
    ~AudioStream();
    AudioStream(const AudioStream &) = delete;
    AudioStream &operator=(const AudioStream &) = delete;

    static const char *contentType(Format format);

    // Waits until the next chunk is due; false when the server is stopping.
    bool waitForTurn();
    // The next bytes to send; the WAV header comes first for a WAV stream.
    std::string nextChunk();

private:
    StationSynth m_synth;
    Format m_format;
    std::unique_ptr<Mp3Encoder> m_encoder;
    const std::atomic<bool> &m_stopping;
    std::chrono::steady_clock::time_point m_start;
    StreamPacer m_pacer;
    bool m_headerSent = false;
};

// A 44-byte WAV header for an endless mono 16-bit stream.
std::string wavStreamHeader(int sampleRate);
