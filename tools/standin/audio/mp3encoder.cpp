#include "mp3encoder.h"

#include <lame/lame.h>

#include <array>
#include <stdexcept>
#include <vector>

namespace {

// The length of the MPEG-1 Layer III frame whose header starts `bytes`, or 0
// when no such header is there.
std::size_t frameLength(const std::string &bytes, std::size_t at)
{
    static constexpr std::array<int, 15> kbps = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static constexpr std::array<int, 3> rates = {44100, 48000, 32000};
    if (at + 4 > bytes.size())
        return 0;
    const auto b1 = static_cast<unsigned char>(bytes[at + 1]);
    const auto b2 = static_cast<unsigned char>(bytes[at + 2]);
    if (static_cast<unsigned char>(bytes[at]) != 0xff || (b1 & 0xfe) != 0xfa)
        return 0; // not sync + MPEG-1 + Layer III
    const int rateIndex = (b2 >> 2) & 3;
    const int bitrateIndex = b2 >> 4;
    if (rateIndex == 3 || bitrateIndex == 0 || bitrateIndex == 15)
        return 0;
    const int padding = (b2 >> 1) & 1;
    return static_cast<std::size_t>(144 * kbps[static_cast<std::size_t>(bitrateIndex)] * 1000
                                    / rates[static_cast<std::size_t>(rateIndex)] + padding);
}

} // namespace

Mp3Encoder::Mp3Encoder(int sampleRate, int kbps)
    : m_lame(lame_init())
{
    if (!m_lame)
        throw std::runtime_error("lame_init failed");
    lame_set_in_samplerate(m_lame, sampleRate);
    lame_set_out_samplerate(m_lame, sampleRate);
    lame_set_num_channels(m_lame, 1);
    lame_set_mode(m_lame, MONO);
    lame_set_brate(m_lame, kbps);
    lame_set_VBR(m_lame, vbr_off);
    lame_set_quality(m_lame, 7); // fast: bounded CPU per listener matters more than finesse
    lame_set_bWriteVbrTag(m_lame, 0);
    if (lame_init_params(m_lame) < 0) {
        lame_close(m_lame);
        throw std::runtime_error("lame_init_params failed");
    }
}

Mp3Encoder::~Mp3Encoder()
{
    lame_close(m_lame);
}

std::string Mp3Encoder::encode(const std::int16_t *samples, std::size_t frames)
{
    std::vector<unsigned char> buffer(frames + frames / 4 + 7200);
    // lame takes non-const pointers but does not write through them.
    auto *pcm = const_cast<short *>(samples);
    const int n = lame_encode_buffer(m_lame, pcm, pcm, static_cast<int>(frames), buffer.data(),
                                     static_cast<int>(buffer.size()));
    if (n < 0)
        throw std::runtime_error("lame_encode_buffer failed");
    m_pending.append(reinterpret_cast<const char *>(buffer.data()), static_cast<std::size_t>(n));
    // Whole frames go out; a frame lame has only begun waits for the next call.
    std::size_t whole = 0;
    for (std::size_t length = frameLength(m_pending, 0); length > 0 && whole + length <= m_pending.size();
         length = frameLength(m_pending, whole))
        whole += length;
    if (whole == 0 && frameLength(m_pending, 0) == 0)
        whole = m_pending.size(); // not frames we know: pass them on as they are
    std::string complete = m_pending.substr(0, whole);
    m_pending.erase(0, whole);
    return complete;
}
