#include "audiostream.h"

#include "mp3encoder.h"

#include <thread>
#include <vector>

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

AudioStream::AudioStream(int stationId, Format format, const std::atomic<bool> &stopping)
    : m_synth(stationId)
    , m_format(format)
    , m_stopping(stopping)
    , m_start(std::chrono::steady_clock::now())
    , m_pacer(StationSynth::sampleRate)
{
    if (format == Format::Mp3)
        m_encoder = std::make_unique<Mp3Encoder>(StationSynth::sampleRate, 96);
}

AudioStream::~AudioStream() = default;

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
    std::vector<std::int16_t> pcm(chunkFrames);
    m_synth.render(pcm.data(), pcm.size());
    std::string bytes;
    if (m_format == Format::Wav) {
        if (!m_headerSent)
            bytes = wavStreamHeader(StationSynth::sampleRate);
        bytes.append(reinterpret_cast<const char *>(pcm.data()), pcm.size() * sizeof(std::int16_t));
    } else {
        bytes = m_encoder->encode(pcm.data(), pcm.size());
    }
    m_headerSent = true;
    m_pacer.sent(pcm.size(), bytes.size());
    return bytes;
}
