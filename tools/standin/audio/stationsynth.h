#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// An endless piece of music for one station: a chord progression, an
// arpeggio, a bass line and a light off-beat tick, all chosen from the
// station's id so that every station sounds different and always the same.
class StationSynth final
{
public:
    static constexpr int sampleRate = 44100;

    explicit StationSynth(int stationId);

    // Mono 16-bit samples, continuing where the last call stopped.
    void render(std::int16_t *out, std::size_t frames);

    double tempo() const { return m_bpm; }
    int rootNote() const { return m_root; }

private:
    double noteFrequency(int scaleDegree, int octave) const;
    // The phase steps of the notes of one eighth: the notes change only
    // between eighths, and working them out per sample cost most of the time.
    void tuneSteps(std::uint64_t eighth, int chord, int step);
    double nextNoise();

    double m_bpm = 120;
    int m_root = 48;
    bool m_minor = false;
    std::array<int, 4> m_progression{};
    std::array<int, 8> m_pattern{};
    double m_decay = 8;
    double m_second = 0.3;
    double m_third = 0.1;

    std::uint64_t m_sample = 0;
    double m_arpPhase = 0;
    double m_bassPhase = 0;
    std::array<double, 3> m_padPhase{};
    std::uint64_t m_stepsEighth = ~std::uint64_t(0);
    double m_arpStep = 0;
    double m_bassStep = 0;
    std::array<double, 3> m_padStep{};
    std::uint32_t m_noise = 0x9e3779b9u;
};
