#include "stationbroadcast.h"

#include "mp3encoder.h"
#include "streampacer.h"

#include <vector>

namespace {

// Two bursts: a new listener's and the lag of one a little behind.
constexpr std::size_t HeldBytes = 2 * StreamPacer::burstBytes;

} // namespace

StationBroadcast::StationBroadcast(int stationId, StreamFormat format)
    : m_synth(stationId)
    , m_format(format)
{
    if (format == StreamFormat::Mp3)
        m_encoder = std::make_unique<Mp3Encoder>(StationSynth::sampleRate, 96);
}

StationBroadcast::~StationBroadcast() = default;

std::uint64_t StationBroadcast::joinPosition() const
{
    const std::lock_guard lock(m_mutex);
    std::size_t bytes = 0;
    std::uint64_t position = m_firstHeld + m_held.size();
    while (position > m_firstHeld && bytes < StreamPacer::burstBytes) {
        --position;
        bytes += m_held[position - m_firstHeld].size();
    }
    return position;
}

StationBroadcast::Chunk StationBroadcast::chunkAt(std::uint64_t position)
{
    const std::lock_guard lock(m_mutex);
    while (position >= m_firstHeld + m_held.size())
        makeNext();
    if (position < m_firstHeld)
        position = m_firstHeld;
    return {position, m_held[position - m_firstHeld]};
}

std::uint64_t StationBroadcast::chunksMade() const
{
    const std::lock_guard lock(m_mutex);
    return m_firstHeld + m_held.size();
}

void StationBroadcast::makeNext()
{
    std::vector<std::int16_t> pcm(chunkFrames);
    m_synth.render(pcm.data(), pcm.size());
    if (m_encoder)
        m_held.push_back(m_encoder->encode(pcm.data(), pcm.size()));
    else
        m_held.emplace_back(reinterpret_cast<const char *>(pcm.data()), pcm.size() * sizeof(std::int16_t));
    m_heldBytes += m_held.back().size();
    while (m_held.size() > 1 && m_heldBytes - m_held.front().size() >= HeldBytes) {
        m_heldBytes -= m_held.front().size();
        m_held.pop_front();
        ++m_firstHeld;
    }
}
