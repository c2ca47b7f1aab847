#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

// When a listener's next chunk is due, the way radio servers do it: a burst
// of audio at once on connect, so that a player has enough to start at once,
// then real time, keeping the listener as far ahead as the burst put it.
class StreamPacer final
{
public:
    using Seconds = std::chrono::duration<double>;

    // The usual streaming-server default: about 5.5 s of 96 kbit/s MP3.
    static constexpr std::size_t burstBytes = 64 * 1024;

    explicit StreamPacer(int sampleRate) : m_sampleRate(sampleRate) {}

    // Counts a chunk handed to the listener.
    void sent(std::size_t frames, std::size_t bytes);
    // How long after the connect the next chunk is due to be sent; at or
    // before `elapsed` means now.
    Seconds nextDue() const;

private:
    int m_sampleRate;
    std::uint64_t m_frames = 0;
    std::uint64_t m_bytes = 0;
    // The audio the burst held, once it is complete.
    std::uint64_t m_leadFrames = 0;
};
