#include "audiostream.h"

#include <thread>
#include <utility>

namespace {

void putLittle(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xff);
}

} // namespace

std::string wavStreamHeader(int sampleRate)
{
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::string h = "RIFF";
    putLittle(h, 0xffffffffu, 4); // unknown length: the stream does not end
    h += "WAVEfmt ";
    putLittle(h, 16, 4);
    putLittle(h, 1, 2); // PCM
    putLittle(h, 1, 2); // mono
    putLittle(h, rate, 4);
    putLittle(h, rate * 2, 4);
    putLittle(h, 2, 2);
    putLittle(h, 16, 2);
    h += "data";
    putLittle(h, 0xffffffffu, 4);
    return h;
}

AudioStream::AudioStream(std::shared_ptr<StationBroadcast> broadcast, const std::atomic<bool> &stopping)
    : m_broadcast(std::move(broadcast))
    , m_stopping(stopping)
    , m_start(std::chrono::steady_clock::now())
    , m_pacer(StationSynth::sampleRate)
    , m_position(m_broadcast->joinPosition())
{
}

AudioStream::AudioStream(int stationId, Format format, const std::atomic<bool> &stopping)
    : AudioStream(std::make_shared<StationBroadcast>(stationId, format), stopping)
{
}

const char *AudioStream::contentType(Format format)
{
    return format == Format::Mp3 ? "audio/mpeg" : "audio/wav";
}

bool AudioStream::waitForTurn()
{
    using namespace std::chrono;
    while (!m_stopping.load()) {
        const StreamPacer::Seconds wait = m_pacer.nextDue() - (steady_clock::now() - m_start);
        if (wait.count() <= 0)
            return true;
        // Short slices, so a stopping server is never kept waiting.
        std::this_thread::sleep_for(std::min(wait, StreamPacer::Seconds(0.05)));
    }
    return false;
}

std::string AudioStream::nextChunk()
{
    const StationBroadcast::Chunk chunk = m_broadcast->chunkAt(m_position);
    // Chunks this listener was too slow to get count as heard: it goes on
    // from where the broadcast is, at real time, not with a second burst.
    const std::uint64_t frames = (chunk.position + 1 - m_position) * chunkFrames;
    m_position = chunk.position + 1;
    std::string bytes;
    if (m_broadcast->format() == Format::Wav && !m_headerSent)
        bytes = wavStreamHeader(StationSynth::sampleRate);
    bytes += chunk.bytes;
    m_headerSent = true;
    m_pacer.sent(frames, bytes.size());
    return bytes;
}
