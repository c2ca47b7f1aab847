// The stations' streams: real audio, and a listener that leaves frees its stream.
#include "standinfixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class Streams : public StandinFixture
{
protected:
    static bool waitUntilNoStreams()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (server().activeStreams() != 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
};

// Bytes of the stream until `wanted` have arrived; then the client hangs up.
std::string firstBytes(httplib::Client &c, const std::string &target, std::size_t wanted)
{
    std::string bytes;
    c.Get(target, [&](const char *data, std::size_t length) {
        bytes.append(data, length);
        return bytes.size() < wanted;
    });
    return bytes;
}

TEST_F(Streams, Mp3StreamStartsWithAFrameSync)
{
    const std::string bytes = firstBytes(*mirror(1), "/stream/6", 16 * 1024);
    ASSERT_GE(bytes.size(), 4u);
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    EXPECT_EQ(b0, 0xff);
    EXPECT_EQ(b1 & 0xe0, 0xe0); // 11 set bits of frame sync
    EXPECT_EQ((b1 >> 1) & 3, 1); // layer III
}

TEST_F(Streams, StreamsDifferBetweenStations)
{
    EXPECT_NE(firstBytes(*mirror(2), "/stream/1", 8192), firstBytes(*mirror(2), "/stream/2", 8192));
}

TEST_F(Streams, WavStreamStartsWithAHeaderAndSound)
{
    const std::string bytes = firstBytes(*mirror(3), "/stream/7.wav", 44 + 44100);
    ASSERT_GE(bytes.size(), 44u + 44100);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "WAVE");
    int loud = 0;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i])
                                                      | (static_cast<unsigned char>(bytes[i + 1]) << 8));
        loud += sample > 1000 || sample < -1000;
    }
    EXPECT_GT(loud, 1000) << "not silence";
}

TEST_F(Streams, AListenerThatHangsUpFreesItsStream)
{
    std::vector<std::thread> listeners;
    for (int n = 1; n <= 3; ++n)
        listeners.emplace_back([n] {
            auto c = mirror(n);
            firstBytes(*c, "/stream/" + std::to_string(n * 5), 40 * 1024);
        });
    for (auto &t : listeners)
        t.join();
    EXPECT_TRUE(waitUntilNoStreams());
}

TEST_F(Streams, ClosingAMirrorEndsItsStreams)
{
    std::atomic<bool> gotBytes{false};
    std::thread listener([&gotBytes] {
        auto c = mirror(4);
        c->Get("/stream/9", [&gotBytes](const char *, std::size_t) {
            gotBytes = true;
            return true; // would listen forever
        });
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!gotBytes && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(gotBytes);
    ASSERT_TRUE(server().setFault(4, FaultMode::Refused, nullptr));
    listener.join();
    EXPECT_TRUE(waitUntilNoStreams());
    server().setFault(4, FaultMode::None, nullptr);
}

// A second listener of a station hears the same broadcast, from a frame,
// and the station goes off air when both have left.
TEST_F(Streams, ListenersOfAStationHearOneBroadcast)
{
    std::mutex lock;
    std::string first;
    std::atomic<bool> leave{false};
    std::thread early([&] {
        mirror(5)->Get("/stream/12", [&](const char *data, std::size_t length) {
            const std::lock_guard guard(lock);
            first.append(data, length);
            return !leave.load() && first.size() < 1024 * 1024;
        });
    });
    const auto heard = [&] {
        const std::lock_guard guard(lock);
        return first.size();
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (heard() < 70 * 1024 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string second = firstBytes(*mirror(6), "/stream/12", 16 * 1024);
    EXPECT_EQ(server().stationsOnAir(), 1);
    leave = true;
    early.join();

    ASSERT_GE(second.size(), 16u * 1024);
    EXPECT_EQ(static_cast<unsigned char>(second[0]), 0xff) << "joins on a frame";
    EXPECT_NE(first.find(second.substr(0, 16 * 1024)), std::string::npos) << "the same audio as the first listener";
    EXPECT_TRUE(waitUntilNoStreams());
    EXPECT_EQ(server().stationsOnAir(), 0);
}

// Listeners hold a worker each while they play; a mirror with twenty of
// them still serves its pages.
TEST_F(Streams, AMirrorFullOfListenersStillServesPages)
{
    std::atomic<bool> leave{false};
    std::atomic<int> playing{0};
    std::vector<std::thread> listeners;
    for (int n = 0; n < 20; ++n)
        listeners.emplace_back([&] {
            bool counted = false;
            mirror(2)->Get("/stream/8", [&](const char *, std::size_t) {
                if (!counted)
                    counted = (++playing, true);
                return !leave.load();
            });
        });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (playing < 20 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(playing.load(), 20);
    auto page = mirror(2);
    page->set_read_timeout(5);
    const auto res = page->Get("/radio/AccessoSonvela.asp");
    leave = true;
    for (auto &t : listeners)
        t.join();
    ASSERT_TRUE(res) << "no answer beside the listeners";
    EXPECT_EQ(res->status, 200);
    EXPECT_TRUE(waitUntilNoStreams());
}

TEST_F(Streams, UnknownStationHasNoStream)
{
    const auto res = mirror(1)->Get("/stream/4040");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 404);
}

} // namespace
