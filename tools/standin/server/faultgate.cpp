#include "faultgate.h"

#include "html.h"
#include "routes.h"
#include "servicecontext.h"

#include <httplib.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

bool isStripPage(const std::string &path)
{
    return path == "/Radio/radio.asp" || path == "/Radio/hot/sponsor.asp" || path == "/Radio/Hot/sponsor.asp";
}

std::string garbage()
{
    std::random_device device;
    std::mt19937 random(device());
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(512, '\0');
    for (char &c : bytes)
        c = static_cast<char>(byte(random));
    bytes[200] = '\x1a'; // the client's reading ends at a SUB byte
    return bytes;
}

// Waits in short slices so that a closing listener is not held up.
void waitSlowly(int milliseconds, const std::atomic<bool> &closing)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!closing.load() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

} // namespace

void addFaultGate(httplib::Server &server, ServiceContext &context, int mirror, const std::atomic<bool> &closing)
{
    server.set_pre_routing_handler([&context, mirror, &closing](const httplib::Request &req, httplib::Response &res) {
        using Handled = httplib::Server::HandlerResponse;
        switch (context.faults.get(mirror)) {
        case FaultMode::None:
        case FaultMode::Refused:
            return Handled::Unhandled;
        case FaultMode::Slow:
            waitSlowly(context.config.slowMs, closing);
            return Handled::Unhandled;
        case FaultMode::Empty:
            res.status = 200;
            res.set_content("", htmlType);
            return Handled::Handled;
        case FaultMode::Error500:
            sendHtml(res, htmlPage("Errore del server", "<h1>500 - Errore interno del server</h1>"), 500);
            return Handled::Handled;
        case FaultMode::Garbage:
            if (req.path != "/Radio/CaricaDati.asp")
                return Handled::Unhandled;
            res.set_content(garbage(), htmlType);
            return Handled::Handled;
        case FaultMode::BadAccess:
            if (req.path != "/radio/AccessoSonvela.asp")
                return Handled::Unhandled;
            sendHtml(res, htmlPage("Servizio non disponibile", "<h1>Servizio temporaneamente non disponibile</h1>"));
            return Handled::Handled;
        case FaultMode::DropStreams:
            if (req.path.rfind("/stream/", 0) != 0)
                return Handled::Unhandled;
            sendHtml(res, htmlPage("Flusso non disponibile", "<h1>Flusso non disponibile</h1>"), 503);
            return Handled::Handled;
        case FaultMode::BadSponsor:
            if (!isStripPage(req.path))
                return Handled::Unhandled;
            sendHtml(res, htmlPage("manutenzione", "<p>Sponsor in manutenzione.</p>"));
            return Handled::Handled;
        }
        return Handled::Unhandled;
    });
}
