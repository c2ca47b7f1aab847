#include "mp3encoder.h"

#include <lame/lame.h>

#include <stdexcept>
#include <vector>

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
    return std::string(reinterpret_cast<const char *>(buffer.data()), static_cast<std::size_t>(n));
}
