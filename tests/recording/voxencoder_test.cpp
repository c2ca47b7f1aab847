#include "voxdecoder.h"

#include "recording/voxencoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

std::vector<std::int16_t> sine(int frequency, int rate, int count, double amplitude)
{
    std::vector<std::int16_t> samples;
    for (int i = 0; i < count; ++i)
        samples.push_back(static_cast<std::int16_t>(amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate)));
    return samples;
}

QByteArray encodeAll(const std::vector<std::int16_t> &samples)
{
    VoxEncoder encoder;
    QByteArray bytes = encoder.encode(samples.data(), static_cast<long>(samples.size()));
    return bytes + encoder.finish();
}

} // namespace

// An independent decoder gets the tone back: signal-to-noise well above what a
// wrong step table, nibble order or sign would give.
TEST(VoxEncoder, ADecoderOfItsOwnGetsTheToneBack)
{
    for (double amplitude : {2000.0, 16000.0, 32000.0}) {
        const std::vector<std::int16_t> tone = sine(1000, 8000, 8000, amplitude);
        const std::vector<std::int16_t> back = decodeVox(encodeAll(tone));
        ASSERT_EQ(back.size(), tone.size());
        double signal = 0;
        double noise = 0;
        for (std::size_t i = 400; i < tone.size(); ++i) { // past the codec's settling
            signal += double(tone[i]) * tone[i];
            noise += double(tone[i] - back[i]) * (tone[i] - back[i]);
        }
        EXPECT_GT(10 * std::log10(signal / noise), 15.0) << "amplitude " << amplitude;
    }
}

// The recorder feeds the encoder one buffer at a time, of any length: the
// bytes must not depend on where the buffers split, odd lengths included.
TEST(VoxEncoder, BlocksOfAnySizeGiveTheSameBytesAsOneRun)
{
    const std::vector<std::int16_t> tone = sine(440, 8000, 4001, 12000);
    const QByteArray whole = encodeAll(tone);
    EXPECT_EQ(whole.size(), 2001) << "4001 samples: the last one padded into its own byte";

    VoxEncoder encoder;
    QByteArray pieces;
    std::size_t at = 0;
    for (std::size_t size = 1; at < tone.size(); size = size % 7 + 1) {
        const std::size_t n = std::min(size, tone.size() - at);
        pieces += encoder.encode(tone.data() + at, static_cast<long>(n));
        at += n;
    }
    pieces += encoder.finish();
    EXPECT_EQ(pieces, whole);
}

// Full-scale jumps drive the step index to its ends; nothing overflows and the
// decoder still follows the square wave's sign.
TEST(VoxEncoder, FullScaleSquareWaveStaysInRange)
{
    std::vector<std::int16_t> square;
    for (int i = 0; i < 2000; ++i)
        square.push_back((i / 50) % 2 ? std::int16_t(-32768) : std::int16_t(32767));
    const std::vector<std::int16_t> back = decodeVox(encodeAll(square));
    int agreeing = 0;
    for (std::size_t i = 0; i < square.size(); ++i)
        agreeing += (square[i] > 0) == (back[i] > 0);
    EXPECT_GT(agreeing, 1700);
}
