#pragma once

#include "stationsynth.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

class Mp3Encoder;

enum class StreamFormat { Mp3, Wav };

// One station's audio, made once however many listen, as a radio server
// encodes once and fans out: synthesised and encoded a chunk at a time when
// the furthest listener needs it, and held a while, so that a new listener's
// burst is recent audio and a listener somewhat behind still finds its
// chunks. Every listener reads at its own pace; none waits for another.
class StationBroadcast final
{
public:
    static constexpr std::size_t chunkFrames = 4608; // four MP3 frames, about 0.1 s

    struct Chunk
    {
        std::uint64_t position = 0;
        std::string bytes;
    };

    StationBroadcast(int stationId, StreamFormat format);
    ~StationBroadcast();
    StationBroadcast(const StationBroadcast &) = delete;
    StationBroadcast &operator=(const StationBroadcast &) = delete;

    StreamFormat format() const { return m_format; }
    // Where a new listener starts: as far back from the newest chunk as a
    // connect burst reaches.
    std::uint64_t joinPosition() const;
    // The chunk at `position`, made now if no listener has needed it yet; a
    // position already dropped gives the oldest chunk still held.
    Chunk chunkAt(std::uint64_t position);
    // Chunks synthesised and encoded so far.
    std::uint64_t chunksMade() const;

private:
    void makeNext();

    mutable std::mutex m_mutex;
    StationSynth m_synth;
    StreamFormat m_format;
    std::unique_ptr<Mp3Encoder> m_encoder;
    std::deque<std::string> m_held;
    std::uint64_t m_firstHeld = 0;
    std::size_t m_heldBytes = 0;
};
