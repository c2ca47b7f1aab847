#pragma once

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// A Dialogic ADPCM decoder written from the published description, on purpose
// apart from the encoder under test: high nibble first, 12-bit samples.
inline std::vector<std::int16_t> decodeVox(const QByteArray &bytes)
{
    static const std::array<int, 49> steps{16,  17,  19,  21,  23,  25,  28,  31,  34,  37,   41,   45,   50,
                                           55,  60,  66,  73,  80,  88,  97,  107, 118, 130,  143,  157,  173,
                                           190, 209, 230, 253, 279, 307, 337, 371, 408, 449,  494,  544,  598,
                                           658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552};
    std::vector<std::int16_t> samples;
    int signal = 0;
    int index = 0;
    auto decode = [&](int nibble) {
        const int step = steps[static_cast<std::size_t>(index)];
        const int delta =
            step / 8 + ((nibble & 4) ? step : 0) + ((nibble & 2) ? step / 2 : 0) + ((nibble & 1) ? step / 4 : 0);
        signal = std::clamp(signal + ((nibble & 8) ? -delta : delta), -2048, 2047);
        index = std::clamp(index + ((nibble & 4) ? 2 * (nibble & 3) + 2 : -1), 0, 48);
        samples.push_back(static_cast<std::int16_t>(signal * 16));
    };
    for (char byte : bytes) {
        decode((static_cast<unsigned char>(byte) >> 4) & 15);
        decode(static_cast<unsigned char>(byte) & 15);
    }
    return samples;
}
