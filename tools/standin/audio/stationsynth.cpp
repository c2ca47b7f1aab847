#include "stationsynth.h"

#include <cmath>
#include <numbers>

namespace {

std::uint64_t splitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

constexpr std::array<int, 7> majorScale = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> minorScale = {0, 2, 3, 5, 7, 8, 10};
// Degrees of the chords of each progression, 0-based.
constexpr std::array<std::array<int, 4>, 6> progressions = {{
    {0, 4, 5, 3}, {0, 5, 3, 4}, {0, 3, 4, 3}, {5, 3, 0, 4}, {0, 3, 0, 4}, {0, 6, 5, 4},
}};
constexpr std::array<std::array<int, 8>, 6> patterns = {{
    {0, 1, 2, 3, 2, 1, 0, 1}, {0, 2, 1, 2, 3, 2, 1, 2}, {0, 1, 2, 1, 0, 2, 3, 2},
    {3, 2, 1, 0, 1, 2, 3, 1}, {0, 0, 2, 1, 3, 1, 2, 1}, {0, 2, 3, 2, 1, 2, 0, 3},
}};

constexpr double twoPi = 2 * std::numbers::pi;

double envelope(double t, double decay)
{
    constexpr double attack = 0.004;
    return t < attack ? t / attack : std::exp(-(t - attack) * decay);
}

} // namespace

StationSynth::StationSynth(int stationId)
{
    std::uint64_t state = static_cast<std::uint64_t>(stationId) * 0x2545f4914f6cdd1dull + 17;
    m_bpm = 84 + static_cast<double>(splitMix(state) % 53);
    m_root = 45 + static_cast<int>(splitMix(state) % 12);
    m_minor = splitMix(state) % 2 == 1;
    m_progression = progressions[splitMix(state) % progressions.size()];
    m_pattern = patterns[splitMix(state) % patterns.size()];
    m_decay = 5 + static_cast<double>(splitMix(state) % 9);
    m_second = static_cast<double>(splitMix(state) % 50) / 100.0;
    m_third = static_cast<double>(splitMix(state) % 30) / 100.0;
}

double StationSynth::noteFrequency(int scaleDegree, int octave) const
{
    const auto &scale = m_minor ? minorScale : majorScale;
    const int wrapped = ((scaleDegree % 7) + 7) % 7;
    const int octaves = octave + (scaleDegree - wrapped) / 7;
    const int midi = m_root + scale[static_cast<std::size_t>(wrapped)] + 12 * octaves;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void StationSynth::tuneSteps(std::uint64_t eighth, int chord, int step)
{
    // Arpeggio: chord tones one octave up, the fourth step an octave above the root.
    const int arpDegree = step == 3 ? chord + 7 : chord + 2 * step;
    m_arpStep = twoPi * noteFrequency(arpDegree, 1) / sampleRate;
    m_bassStep = twoPi * noteFrequency(chord, -1) / sampleRate;
    for (std::size_t v = 0; v < m_padStep.size(); ++v)
        m_padStep[v] = twoPi * noteFrequency(chord + 2 * static_cast<int>(v), 0) / sampleRate;
    m_stepsEighth = eighth;
}

double StationSynth::nextNoise()
{
    m_noise ^= m_noise << 13;
    m_noise ^= m_noise >> 17;
    m_noise ^= m_noise << 5;
    return static_cast<double>(m_noise) / 2147483648.0 - 1.0;
}

void StationSynth::render(std::int16_t *out, std::size_t frames)
{
    const double samplesPerEighth = sampleRate * 60.0 / m_bpm / 2.0;
    for (std::size_t i = 0; i < frames; ++i, ++m_sample) {
        const double position = static_cast<double>(m_sample) / samplesPerEighth;
        const auto eighth = static_cast<std::uint64_t>(position);
        const double t = (position - static_cast<double>(eighth)) * samplesPerEighth / sampleRate;
        const int chord = m_progression[(eighth / 8) % 4];
        const int step = m_pattern[eighth % 8];

        if (eighth != m_stepsEighth)
            tuneSteps(eighth, chord, step);
        m_arpPhase += m_arpStep;
        const double arp = (std::sin(m_arpPhase) + m_second * std::sin(2 * m_arpPhase)
                            + m_third * std::sin(3 * m_arpPhase))
                           * envelope(t, m_decay);

        // Bass on the first and fifth eighth of each bar.
        const std::uint64_t inBar = eighth % 8;
        const double bassT = t + static_cast<double>(inBar % 4) * samplesPerEighth / sampleRate;
        m_bassPhase += m_bassStep;
        const double bass = std::sin(m_bassPhase) * envelope(bassT, 2.5);

        double pad = 0;
        for (std::size_t v = 0; v < m_padPhase.size(); ++v) {
            m_padPhase[v] += m_padStep[v];
            pad += std::sin(m_padPhase[v]);
        }
        m_arpPhase = std::fmod(m_arpPhase, twoPi * 64);
        m_bassPhase = std::fmod(m_bassPhase, twoPi * 64);
        for (double &p : m_padPhase)
            p = std::fmod(p, twoPi * 64);

        const double tick = eighth % 2 == 1 ? nextNoise() * envelope(t, 70) : 0.0;
        const double mix = 0.26 * arp + 0.30 * bass + 0.05 * pad + 0.06 * tick;
        out[i] = static_cast<std::int16_t>(std::lround(std::tanh(mix * 1.2) * 0.8 * 32767));
    }
}
