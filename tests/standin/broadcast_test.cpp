// One encoding per station, fanned out to its listeners.
#include "audiostream.h"
#include "stationbroadcasts.h"
#include "streampacer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::atomic<bool> running{false};

bool startsWithMp3Sync(const std::string &bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xff
        && (static_cast<unsigned char>(bytes[1]) & 0xe0) == 0xe0;
}

TEST(StationBroadcast, ListenersOfAStationShareOneEncodingThatEndsWithTheLast)
{
    StationBroadcasts stations;
    auto broadcast = stations.tuneIn(6, StreamFormat::Mp3);
    {
        AudioStream first(broadcast, running);
        AudioStream second(stations.tuneIn(6, StreamFormat::Mp3), running);
        AudioStream otherStation(stations.tuneIn(7, StreamFormat::Mp3), running);
        EXPECT_EQ(stations.onAir(), 2);
        std::string a, b, c;
        for (int n = 0; n < 100; ++n) {
            a += first.nextChunk();
            b += second.nextChunk();
            c += otherStation.nextChunk();
        }
        EXPECT_EQ(a, b);
        EXPECT_NE(a, c);
        EXPECT_EQ(broadcast->chunksMade(), 100u) << "each chunk encoded once, not once per listener";
    }
    EXPECT_EQ(stations.onAir(), 1) << "the test still holds station 6";
    broadcast.reset();
    EXPECT_EQ(stations.onAir(), 0);
    EXPECT_EQ(stations.tuneIn(6, StreamFormat::Mp3)->chunksMade(), 0u) << "a new listener starts a new broadcast";
}

TEST(StationBroadcast, ALateListenerGetsItsBurstFromTheAudioAlreadyMade)
{
    StationBroadcasts stations;
    auto broadcast = stations.tuneIn(6, StreamFormat::Mp3);
    AudioStream early(broadcast, running);
    std::string heard;
    for (int n = 0; n < 200; ++n)
        heard += early.nextChunk();

    AudioStream late(broadcast, running);
    std::string burst;
    while (burst.size() < StreamPacer::burstBytes && broadcast->chunksMade() == 200)
        burst += late.nextChunk();
    EXPECT_GE(burst.size(), StreamPacer::burstBytes);
    EXPECT_EQ(broadcast->chunksMade(), 200u) << "the burst was held audio, nothing encoded anew";
    EXPECT_TRUE(heard.ends_with(burst)) << "the burst is the most recent audio";
    EXPECT_TRUE(startsWithMp3Sync(burst)) << "a listener joins on a frame";
}

TEST(StationBroadcast, ASlowListenerSkipsAheadWithoutHoldingOthersBack)
{
    StationBroadcasts stations;
    auto broadcast = stations.tuneIn(3, StreamFormat::Wav);
    AudioStream fast(broadcast, running);
    AudioStream slow(broadcast, running);
    const std::string header = wavStreamHeader(StationSynth::sampleRate);
    EXPECT_EQ(slow.nextChunk().substr(0, header.size()), header);
    std::vector<std::string> fastChunks{fast.nextChunk().substr(header.size())};
    for (int n = 1; n < 1000; ++n)
        fastChunks.push_back(fast.nextChunk());
    EXPECT_EQ(broadcast->chunksMade(), 1000u);

    // The slow one went on from audio still held: recent, never the start again.
    const std::string next = slow.nextChunk();
    std::size_t position = 0;
    while (position < fastChunks.size() && fastChunks[position] != next)
        ++position;
    ASSERT_LT(position, fastChunks.size()) << "the slow listener got audio the broadcast never made";
    EXPECT_GT(position, 900u);
    EXPECT_EQ(slow.nextChunk(), fastChunks[position + 1]) << "and goes on in order";
}

} // namespace
