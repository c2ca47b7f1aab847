#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct lame_global_struct;

// Mono 16-bit PCM to a constant-bit-rate MP3 byte stream, as an internet
// radio sends it: no tag frame, and each call gives whole frames only, so a
// listener who joins at any call's output starts on a frame.
class Mp3Encoder final
{
public:
    Mp3Encoder(int sampleRate, int kbps);
    ~Mp3Encoder();
    Mp3Encoder(const Mp3Encoder &) = delete;
    Mp3Encoder &operator=(const Mp3Encoder &) = delete;

    std::string encode(const std::int16_t *samples, std::size_t frames);

private:
    lame_global_struct *m_lame = nullptr;
    std::string m_pending; // the start of a frame lame has not finished
};
