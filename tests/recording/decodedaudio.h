#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A file decoded back to 16-bit samples at its own rate and channel count.
struct DecodedAudio
{
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples; // interleaved
    QString problem;                   // why decoding failed, or empty

    static DecodedAudio fromFile(const QString &path);
    // Headerless VOX data at `rate`, decoded by this test's own OKI decoder.
    static DecodedAudio fromVox(const QByteArray &bytes, int rate);

    double seconds() const;
    // Root mean square of the first channel between two times, in sample units.
    double rms(double from, double to) const;
    // Frequency of the first channel from its rising zero crossings, the
    // median of 100 ms windows.
    double frequency(double from, double to) const;
};
