#pragma once

#include <QByteArray>

#include <cstdint>

// Dialogic/OKI 4-bit ADPCM, the headerless "VOX" format: 12-bit samples, two
// per byte, the first in the high nibble. The state runs across calls, so a
// stream may be fed in blocks of any size.
class VoxEncoder
{
public:
    // Encodes 16-bit samples (the low four bits are dropped). An odd sample
    // waits for its partner; finish() writes it padded with a zero nibble.
    QByteArray encode(const std::int16_t *samples, long count);
    QByteArray finish();

private:
    int encodeSample(int sample);

    int m_predicted = 0;
    int m_stepIndex = 0;
    int m_pending = -1; // the high nibble waiting for its low one
};
