#pragma once

#include "stationbroadcast.h"
#include "streampacer.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

// One listener of a station's broadcast: a burst on connect and then real
// time, so a player starts at once and a listener costs a bounded share of
// the CPU; the audio itself is made once for all the station's listeners.
class AudioStream final
{
public:
    using Format = StreamFormat;

    static constexpr std::size_t chunkFrames = StationBroadcast::chunkFrames;

    AudioStream(std::shared_ptr<StationBroadcast> broadcast, const std::atomic<bool> &stopping);
    // A listener with a broadcast of its own.
    AudioStream(int stationId, Format format, const std::atomic<bool> &stopping);

    static const char *contentType(Format format);

    // Waits until the next chunk is due; false when the server is stopping.
    bool waitForTurn();
    // The next bytes to send; the WAV header comes first for a WAV stream.
    std::string nextChunk();

private:
    std::shared_ptr<StationBroadcast> m_broadcast;
    const std::atomic<bool> &m_stopping;
    std::chrono::steady_clock::time_point m_start;
    StreamPacer m_pacer;
    std::uint64_t m_position;
    bool m_headerSent = false;
};

// A 44-byte WAV header for an endless mono 16-bit stream.
std::string wavStreamHeader(int sampleRate);
