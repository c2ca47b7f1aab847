// The stations' audio streams.
#include "audiostream.h"
#include "database.h"
#include "html.h"
#include "queryvalues.h"
#include "routes.h"
#include "servicecontext.h"

#include <httplib.h>

#include <iostream>
#include <utility>

namespace {

// Counts the stream as active for as long as the provider lives.
class ActiveStream final
{
public:
    ActiveStream(std::shared_ptr<StationBroadcast> broadcast, const std::atomic<bool> &closing,
                 std::atomic<int> &counter)
        : stream(std::move(broadcast), closing)
        , m_counter(counter)
    {
        ++m_counter;
    }
    ~ActiveStream() { --m_counter; }
    ActiveStream(const ActiveStream &) = delete;
    ActiveStream &operator=(const ActiveStream &) = delete;

    AudioStream stream;

private:
    std::atomic<int> &m_counter;
};

void streamRoute(const httplib::Request &request, httplib::Response &response, ServiceContext &context, int mirror,
                 const std::atomic<bool> &closing)
{
    const std::string idText = request.matches[1];
    const std::string suffix = request.matches[2];
    const auto id = parsePositiveId(idText);
    if (!id || !context.database.station(*id)) {
        sendHtml(response, htmlPage("Radio non trovata", "<h1>Radio non trovata</h1>"), 404);
        return;
    }
    const auto format = suffix == ".wav" ? AudioStream::Format::Wav : AudioStream::Format::Mp3;
    auto active = std::make_shared<ActiveStream>(context.broadcasts.tuneIn(*id, format), closing, context.activeStreams);
    // A live stream has no byte ranges: a player's "Range: bytes=0-" gets the
    // whole stream with 200, not a 206 without a Content-Range.
    response.status = 200;
    response.set_header("Accept-Ranges", "none");
    response.set_header("Cache-Control", "no-cache, no-store");
    response.set_header("icy-name", context.database.station(*id)->name);
    // The provider returns false as soon as the listener is gone, the
    // listener's port closes or the mirror is told to drop its streams;
    // httplib then drops the provider and its stream.
    response.set_chunked_content_provider(
        AudioStream::contentType(format), [active, &context, mirror](std::size_t, httplib::DataSink &sink) {
            if (!sink.is_writable() || !active->stream.waitForTurn()
                || context.faults.get(mirror) == FaultMode::DropStreams)
                return false;
            try {
                const std::string bytes = active->stream.nextChunk();
                return bytes.empty() || sink.write(bytes.data(), bytes.size());
            } catch (const std::exception &e) {
                std::cerr << "sonvela-standin: stream stopped: " << e.what() << '\n';
                return false;
            }
        });
}

} // namespace

void addStreamRoutes(httplib::Server &server, ServiceContext &context, int mirror, const std::atomic<bool> &closing)
{
    server.Get(R"(/stream/([0-9]{1,12})(\.mp3|\.wav)?)",
               [&context, mirror, &closing](const httplib::Request &req, httplib::Response &res) {
                   streamRoute(req, res, context, mirror, closing);
               });
}
