#include "voxencoder.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 49> StepSizes{16,  17,  19,  21,  23,  25,  28,  31,  34,  37,  41,  45,  50,
                                        55,  60,  66,  73,  80,  88,  97,  107, 118, 130, 143, 157, 173,
                                        190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598,
                                        658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552};
constexpr std::array<int, 8> IndexAdjust{-1, -1, -1, -1, 2, 4, 6, 8};

// The 12-bit sample that `code` gives from `predicted`: what a decoder rebuilds.
int reconstruct(int predicted, int stepIndex, int code)
{
    const int step = StepSizes[static_cast<std::size_t>(stepIndex)];
    int difference = step / 8;
    if (code & 4)
        difference += step;
    if (code & 2)
        difference += step / 2;
    if (code & 1)
        difference += step / 4;
    if (code & 8)
        difference = -difference;
    return std::clamp(predicted + difference, -2048, 2047);
}

int nextStepIndex(int stepIndex, int code)
{
    return std::clamp(stepIndex + IndexAdjust[static_cast<std::size_t>(code & 7)], 0, 48);
}

} // namespace

int VoxEncoder::encodeSample(int sample)
{
    const int step = StepSizes[static_cast<std::size_t>(m_stepIndex)];
    int difference = sample - m_predicted;
    int code = 0;
    if (difference < 0) {
        code = 8;
        difference = -difference;
    }
    if (difference >= step) {
        code |= 4;
        difference -= step;
    }
    if (difference >= step / 2) {
        code |= 2;
        difference -= step / 2;
    }
    if (difference >= step / 4)
        code |= 1;
    // Track what a decoder will rebuild, not the input, so errors never add up.
    m_predicted = reconstruct(m_predicted, m_stepIndex, code);
    m_stepIndex = nextStepIndex(m_stepIndex, code);
    return code;
}

QByteArray VoxEncoder::encode(const std::int16_t *samples, long count)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(count / 2 + 1));
    for (long i = 0; i < count; ++i) {
        const int code = encodeSample(samples[i] >> 4);
        if (m_pending < 0) {
            m_pending = code;
        } else {
            out.append(static_cast<char>((m_pending << 4) | code));
            m_pending = -1;
        }
    }
    return out;
}

QByteArray VoxEncoder::finish()
{
    QByteArray out;
    if (m_pending >= 0)
        out.append(static_cast<char>(m_pending << 4));
    m_pending = -1;
    return out;
}
