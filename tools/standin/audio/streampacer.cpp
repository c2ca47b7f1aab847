#include "streampacer.h"

void StreamPacer::sent(std::size_t frames, std::size_t bytes)
{
    m_frames += frames;
    m_bytes += bytes;
    if (m_leadFrames == 0 && m_bytes >= burstBytes)
        m_leadFrames = m_frames;
}

StreamPacer::Seconds StreamPacer::nextDue() const
{
    if (m_leadFrames == 0)
        return Seconds(0);
    return Seconds(static_cast<double>(m_frames - m_leadFrames) / m_sampleRate);
}
