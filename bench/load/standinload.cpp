// Drives a running stand-in with many concurrent clients for a while and
// prints requests per second, latency, errors, stream pacing and the
// server's memory. Loopback only; every loop ends at the deadline.
//   bench_standin_load BASE_PORT PID [CLIENTS] [STREAMS] [SECONDS]
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MirrorCount = 6;
constexpr double StreamBytesPerSecond = 96000.0 / 8; // the stand-in's MP3
constexpr std::size_t BurstBytes = 64 * 1024;

struct PageStats
{
    std::vector<double> latenciesMs;
    long errors = 0;
    std::string firstError;
};

struct StreamStats
{
    double bytesPerSecond = 0; // after the burst
    double longestGapMs = 0;
    bool failed = false;
};

long pssKib(int pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == "Pss:" && in >> value)
            return value;
        in.ignore(1 << 12, '\n');
    }
    return -1;
}

void pageClient(int basePort, int index, Clock::time_point deadline, PageStats &stats)
{
    static const std::vector<std::string> pages = {
        "/radio/AccessoSonvela.asp?versione=4.8&Personalizzazione=0&Radio=0",
        "/Radio/CaricaDati.asp?id=0&idRadio=0",
        "/Radio/mostraRadio.asp?Id=",
    };
    for (long n = index; Clock::now() < deadline; ++n) {
        httplib::Client client("127.0.0.1", basePort + static_cast<int>(n % MirrorCount));
        client.set_connection_timeout(5);
        client.set_read_timeout(10);
        std::string path = pages[static_cast<std::size_t>(n % 3)];
        if (path.back() == '=')
            path += std::to_string(n % 40 + 1);
        const auto start = Clock::now();
        const auto res = client.Get(path);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (!res || res->status != 200) {
            if (stats.errors++ == 0)
                stats.firstError = path + ": " + (res ? "status " + std::to_string(res->status) : to_string(res.error()));
        } else
            stats.latenciesMs.push_back(ms);
    }
}

void streamClient(int basePort, int index, Clock::time_point deadline, StreamStats &stats)
{
    httplib::Client client("127.0.0.1", basePort + index % MirrorCount);
    client.set_connection_timeout(5);
    client.set_read_timeout(10);
    std::size_t bytes = 0;
    Clock::time_point start;
    Clock::time_point last;
    const auto res = client.Get("/stream/" + std::to_string(index % 40 + 1), [&](const char *, std::size_t size) {
        const auto now = Clock::now();
        if (bytes == 0)
            start = last = now;
        // Once the burst is in, data must keep coming at the stream's pace.
        if (bytes >= BurstBytes)
            stats.longestGapMs = std::max(stats.longestGapMs,
                                          std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        bytes += size;
        return now < deadline;
    });
    const double seconds = std::chrono::duration<double>(last - start).count();
    stats.failed = bytes < BurstBytes || seconds <= 0;
    if (!stats.failed)
        stats.bytesPerSecond = static_cast<double>(bytes - BurstBytes) / seconds;
    (void)res; // cancelled by our own receiver at the deadline
}

double percentile(std::vector<double> &values, double p)
{
    if (values.empty())
        return 0;
    const auto k = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(k), values.end());
    return values[k];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BASE_PORT PID [CLIENTS] [STREAMS] [SECONDS]\n", argv[0]);
        return 2;
    }
    const int basePort = std::stoi(argv[1]);
    const int pid = std::stoi(argv[2]);
    const int clients = argc > 3 ? std::stoi(argv[3]) : 200;
    const int streams = std::min(clients, argc > 4 ? std::stoi(argv[4]) : 50);
    const int seconds = argc > 5 ? std::stoi(argv[5]) : 60;

    const long pssBefore = pssKib(pid);
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::seconds(seconds);
    std::vector<PageStats> pageStats(static_cast<std::size_t>(clients - streams));
    std::vector<StreamStats> streamStats(static_cast<std::size_t>(streams));
    std::vector<std::thread> threads;
    for (int i = 0; i < streams; ++i)
        threads.emplace_back(streamClient, basePort, i, deadline, std::ref(streamStats[static_cast<std::size_t>(i)]));
    for (int i = 0; i < clients - streams; ++i)
        threads.emplace_back(pageClient, basePort, i, deadline, std::ref(pageStats[static_cast<std::size_t>(i)]));
    long pssPeak = pssBefore;
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        pssPeak = std::max(pssPeak, pssKib(pid));
    }
    for (auto &t : threads)
        t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const long pssAfter = pssKib(pid);

    std::vector<double> latencies;
    long errors = 0;
    std::string firstError;
    for (auto &s : pageStats) {
        latencies.insert(latencies.end(), s.latenciesMs.begin(), s.latenciesMs.end());
        errors += s.errors;
        if (firstError.empty())
            firstError = s.firstError;
    }
    int paced = 0;
    int failedStreams = 0;
    double slowest = 1e9;
    double fastest = 0;
    double longestGap = 0;
    for (const auto &s : streamStats) {
        if (s.failed) {
            ++failedStreams;
            continue;
        }
        slowest = std::min(slowest, s.bytesPerSecond);
        fastest = std::max(fastest, s.bytesPerSecond);
        longestGap = std::max(longestGap, s.longestGapMs);
        // Paced: within 5 % of real time over the run.
        if (std::abs(s.bytesPerSecond / StreamBytesPerSecond - 1) <= 0.05)
            ++paced;
    }
    const std::size_t ok = latencies.size();
    std::printf("| clients | streams | seconds | requests | req/s | p50 ms | p99 ms | errors |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    std::printf("| %d | %d | %.0f | %zu | %.0f | %.1f | %.1f | %ld |\n\n", clients, streams, elapsed, ok + errors,
                static_cast<double>(ok) / elapsed, percentile(latencies, 0.5), percentile(latencies, 0.99), errors);
    std::printf("| streams paced (±5%% of 12000 B/s) | slowest B/s | fastest B/s | longest gap ms | failed |\n");
    std::printf("|---:|---:|---:|---:|---:|\n");
    std::printf("| %d of %d | %.0f | %.0f | %.0f | %d |\n\n", paced, streams, failedStreams == streams ? 0 : slowest,
                fastest, longestGap, failedStreams);
    if (errors > 0)
        std::printf("first error: %s\n\n", firstError.c_str());
    std::printf("| stand-in PSS before KiB | peak KiB | after KiB |\n|---:|---:|---:|\n| %ld | %ld | %ld |\n",
                pssBefore, pssPeak, pssAfter);
    return errors == 0 && failedStreams == 0 && paced == streams ? 0 : 1;
}
