// Access, catalogue, player, sponsor and HOT video pages of a mirror.
#include "database.h"
#include "html.h"
#include "playerpage.h"
#include "queryvalues.h"
#include "recordformat.h"
#include "routes.h"
#include "seeddata.h"
#include "servicecontext.h"
#include "stationimporter.h"

#include <httplib.h>

#include <chrono>
#include <ctime>

namespace {

std::string playerPath(int id)
{
    return "/Radio/mostraRadio.asp?Id=" + std::to_string(id);
}

// The chart tab shows beside the player: its links describe a station
// instead of playing it, so two streams never mix.
std::string descriptionPath(int id)
{
    return "/Radio/schedaRadio.asp?Id=" + std::to_string(id);
}

// The wave greets a few times, then rests: once a station plays, the player
// covers this page, and a page the engine thinks is in view is drawn for as
// long as it moves.
std::string accessPage(const ServiceContext &context)
{
    const std::string body = R"(<style>
body{height:100vh;box-sizing:border-box;display:flex;flex-direction:column;justify-content:center;
background:radial-gradient(circle at 25% 20%,#24344a 0,#101418 60%)}
.hero{text-align:center}
.hero .brand{font-size:46px}
.tag{font-size:15px;color:#c9d6e3;margin:6px 0 22px}
.pick{display:inline-block;padding:10px 18px;border-radius:24px;background:#1f2a36;border:1px solid #36506b;font-size:14px}
.arrow{color:#ffc857;font-weight:bold;margin-left:6px}
.wave{margin:26px auto 0;display:flex;gap:5px;justify-content:center;align-items:flex-end;height:34px}
.wave i{display:block;width:6px;height:6px;background:#ff7a59;border-radius:3px;animation:eq 1.1s 4 ease-in-out}
.wave i:nth-child(2n){background:#ffc857;animation-delay:.2s}.wave i:nth-child(3n){animation-delay:.45s}
@keyframes eq{0%,100%{height:6px}50%{height:32px}}
@media (prefers-reduced-motion:reduce){.wave i{animation:none}}
</style>
<div class="hero">
<div class="brand">Sonvela</div>
<div class="tag">La radio di tutto il mondo, sul tuo desktop</div>
<div class="pick">Scegli una stazione dall'elenco a destra<span class="arrow">&rarr;</span></div>
<div class="wave"><i></i><i></i><i></i><i></i><i></i><i></i><i></i><i></i><i></i></div>
<p class="muted">)" + std::to_string(context.database.stationCount())
                             + R"( stazioni in ascolto &middot; versione 4.8</p>
</div>)";
    return htmlPage("accessoOK", body);
}

RecordFormat::CatalogueEntry entryOf(const Station &s, const std::string &base)
{
    return {base + playerPath(s.id), s.name, s.label, std::to_string(s.weeklyClicks)};
}

std::string todayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d/%m/%Y", &tm);
    return buf;
}

std::string catalogue(const httplib::Request &request, const ServiceContext &context)
{
    const std::string base = "http://" + mirrorHost(request, context);
    RecordFormat::Catalogue c;
    for (const Station &s : context.database.mostClicked(RecordFormat::catalogueSlots))
        c.mostClicked.push_back(entryOf(s, base));
    for (const Station &s : context.database.newest(RecordFormat::catalogueSlots))
        c.newest.push_back(entryOf(s, base));
    c.title = "Linux";
    c.ignored = todayText();
    c.tabCaption = "Classifica";
    c.tabUrl = base + "/Radio/classifica.asp";
    return RecordFormat::catalogueText(c);
}

std::string loadingPage()
{
    return htmlPage("caricamento", "<h1>Caricamento in corso&hellip;</h1>"
                                   "<p class=\"muted\">La stazione si sta collegando, attendere qualche secondo.</p>");
}

// The slow station answers "caricamento" on its first load of each minute.
bool firstLoadThisMinute(ServiceContext &context)
{
    const auto minute = std::chrono::duration_cast<std::chrono::minutes>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    return context.slowStationMinute.exchange(minute) != minute;
}

void playerRoute(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request));
    const auto id = query.positiveId("Id");
    const auto station = id ? context.database.station(*id) : std::nullopt;
    if (!station) {
        sendHtml(response,
                 htmlPage("Radio non trovata", "<h1>Radio non trovata</h1><p class=\"muted\">Nessuna stazione con "
                                               "questo codice. <a href=\"/Radio/elencoAltre.asp\">Elenco completo"
                                               "</a></p>"),
                 404);
        return;
    }
    if (!station->available) {
        sendHtml(response, departedStationPage(*station));
        return;
    }
    if (station->id == SeedData::slowStationId && firstLoadThisMinute(context)) {
        sendHtml(response, loadingPage());
        return;
    }
    sendHtml(response, playerPage(*station));
    if (context.importer)
        context.importer->reportPlay(*station);
}

std::string sponsorStrip()
{
    return htmlPage("sponsor", R"(<style>body{padding:0}
.strip{height:66px;display:flex;align-items:center;justify-content:space-between;padding:0 16px;
background:linear-gradient(90deg,#1d2b3a,#2a1d3a)}
.strip b{font-size:16px;color:#ffc857}.strip span{color:#c9d6e3}</style>
<div class="strip"><div><b>Sonvela Premium</b><br><span>Ascolta senza interruzioni, in alta qualità.</span></div>
<a href="/Radio/elencoAltre.asp" target="_blank">Scopri &rarr;</a></div>)");
}

std::string sidePage(bool hot)
{
    const std::string body = std::string("<style>body{padding:6px}</style><div class=\"card\"><b>")
                             + (hot ? "HOT video" : "Sponsor")
                             + "</b><p class=\"muted\">Spazio pubblicitario disponibile.<br>"
                               "Scrivi a pubblicita@sonvela.local</p></div>";
    return htmlPage(hot ? "HOT video sponsor" : "Sponsor", body);
}

std::string hotPage(const ServiceContext &context)
{
    std::string items;
    for (const Station &s : context.database.mostClicked(6))
        items += "<li><a href=\"" + playerPath(s.id) + "\">&#9654; " + htmlEscape(s.name) + "</a></li>";
    return htmlPage("HOT video", R"(<style>
.screen{height:180px;border-radius:8px;background:linear-gradient(120deg,#ff7a59,#6b3fa0,#2b6cb0);
background-size:300% 300%;animation:move 8s ease infinite;display:flex;align-items:center;justify-content:center;
font-size:28px;font-weight:bold}
@keyframes move{0%{background-position:0 50%}50%{background-position:100% 50%}100%{background-position:0 50%}}
</style><h1>HOT video</h1><div class="screen">In onda adesso</div>
<h2>Le radio più calde</h2><ul class="list">)" + items + "</ul>");
}

std::string chartPage(const ServiceContext &context)
{
    std::string rows;
    int rank = 1;
    for (const Station &s : context.database.mostClicked(20))
        rows += "<li>" + std::to_string(rank++) + ". <a href=\"" + descriptionPath(s.id) + "\">" + htmlEscape(s.name)
                + "</a> <span class=\"muted\">" + std::to_string(s.weeklyClicks) + " ascolti</span></li>";
    return htmlPage("Classifica", "<h1>Classifica della settimana</h1><ul class=\"list\">" + rows + "</ul>");
}

std::string descriptionPage(const Station &s)
{
    return htmlPage("Scheda: " + s.name,
                    "<h1>" + htmlEscape(s.name) + "</h1><p class=\"muted\">" + htmlEscape(s.label) + " &middot; "
                        + std::to_string(s.weeklyClicks) + " ascolti questa settimana &middot; in elenco dal "
                        + htmlEscape(s.added.substr(0, 10))
                        + "</p><p>Per ascoltarla, sceglila nelle liste a destra (&laquo;Le radio pi&ugrave; "
                          "cliccate&raquo;, &laquo;New&raquo;) o nel menu dell'icona accanto all'orologio.</p>"
                          "<p><a href=\"/Radio/classifica.asp\">&larr; Classifica</a></p>");
}

void descriptionRoute(const httplib::Request &request, httplib::Response &response, const ServiceContext &context)
{
    const auto id = QueryValues(rawQuery(request)).positiveId("Id");
    const auto station = id ? context.database.station(*id) : std::nullopt;
    if (!station) {
        sendHtml(response, htmlPage("Radio non trovata", "<h1>Radio non trovata</h1>"), 404);
        return;
    }
    sendHtml(response, descriptionPage(*station));
}

} // namespace

void addServicePages(httplib::Server &server, ServiceContext &context)
{
    server.Get(exactPath("/radio/AccessoSonvela.asp"), [&context](const httplib::Request &, httplib::Response &res) {
        sendHtml(res, accessPage(context));
    });
    server.Get(exactPath("/Radio/CaricaDati.asp"), [&context](const httplib::Request &req, httplib::Response &res) {
        sendHtml(res, catalogue(req, context));
    });
    server.Get(exactPath("/Radio/mostraRadio.asp"), [&context](const httplib::Request &req, httplib::Response &res) {
        playerRoute(req, res, context);
    });
    for (const char *path : {"/Radio/radio.asp", "/Radio/hot/sponsor.asp", "/Radio/Hot/sponsor.asp"})
        server.Get(exactPath(path),
                   [](const httplib::Request &, httplib::Response &res) { sendHtml(res, sponsorStrip()); });
    server.Get(exactPath("/Radio/SponsorAggiuntivi.asp"),
               [](const httplib::Request &, httplib::Response &res) { sendHtml(res, sidePage(false)); });
    for (const char *path : {"/Radio/hot/SponsorAggiuntivi.asp", "/Radio/Hot/SponsorAggiuntivi.asp"})
        server.Get(exactPath(path),
                   [](const httplib::Request &, httplib::Response &res) { sendHtml(res, sidePage(true)); });
    for (const char *path : {"/Radio/hot/default.asp", "/Radio/Hot/default.asp"})
        server.Get(exactPath(path), [&context](const httplib::Request &, httplib::Response &res) {
            sendHtml(res, hotPage(context));
        });
    server.Get(exactPath("/Radio/classifica.asp"), [&context](const httplib::Request &, httplib::Response &res) {
        sendHtml(res, chartPage(context));
    });
    server.Get(exactPath("/Radio/schedaRadio.asp"), [&context](const httplib::Request &req, httplib::Response &res) {
        descriptionRoute(req, res, context);
    });
    server.Get("/", [](const httplib::Request &, httplib::Response &res) {
        sendHtml(res, htmlPage("Sonvela", "<span class=\"brand\">Sonvela</span><p>Servizio radio attivo. "
                                          "<a href=\"/Radio/elencoAltre.asp\">Tutte le stazioni</a></p>"));
    });
}
