// Station search, full list, newsletter, selection, news and the search strip.
#include "database.h"
#include "html.h"
#include "queryvalues.h"
#include "recordformat.h"
#include "routes.h"
#include "seeddata.h"
#include "servicecontext.h"
#include "stationimporter.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr std::size_t maxSearchLength = 100;

constexpr int pageSize = 100;

std::string stationList(const std::vector<Station> &stations, const std::string &linkPrefix)
{
    if (stations.empty())
        return "<p class=\"muted\">Nessuna stazione trovata.</p>";
    std::string items;
    for (const Station &s : stations) {
        const std::string &detail = s.tags.empty() ? s.label : s.tags;
        const std::string where = s.country.empty() ? std::string() : " &middot; " + htmlEscape(s.country);
        items += "<li><a href=\"" + linkPrefix + std::to_string(s.id) + "\">" + htmlEscape(s.name)
                 + "</a> <span class=\"muted\">" + htmlEscape(detail) + where + "</span></li>";
    }
    return "<ul class=\"list\">" + items + "</ul>";
}

// One page of a long list, numbered from 1, and the links to its neighbours.
struct ListPage
{
    std::vector<Station> stations;
    std::string links;
};

ListPage listPage(const httplib::Request &request, const ServiceContext &context, const std::string &text,
                  const std::string &self)
{
    const int total = context.database.searchCount(text);
    const int pages = std::max(1, (total + pageSize - 1) / pageSize);
    const auto page = static_cast<int>(QueryValues(rawQuery(request)).integer("pagina", 1, 1, pages));
    ListPage result{context.database.search(text, (page - 1) * pageSize, pageSize), {}};
    if (pages == 1)
        return result;
    const std::string base = self + "?" + (text.empty() ? "" : "q=" + urlEncode(text) + "&amp;") + "pagina=";
    if (page > 1)
        result.links += "<a href=\"" + base + std::to_string(page - 1) + "\">&lsaquo; Precedenti</a> ";
    result.links += "<span class=\"muted\">pagina " + std::to_string(page) + " di " + std::to_string(pages) + "</span>";
    if (page < pages)
        result.links += " <a href=\"" + base + std::to_string(page + 1) + "\">Successive &rsaquo;</a>";
    result.links = "<p>" + result.links + "</p>";
    return result;
}

// Said where stations are looked for while the seed ones stand in for a
// directory that could not be reached.
std::string sourceNote(const ServiceContext &context)
{
    if (!context.importer || !context.importer->sourceMissing())
        return {};
    return "<p class=\"card\">L'elenco delle radio non è raggiungibile: per ora ci sono solo le stazioni di "
           "prova. Riprova più tardi.</p>";
}

// Forms send a space as '+'; a query longer than any name finds nothing anyway.
std::string searchText(const httplib::Request &request)
{
    const QueryValues form(rawQuery(request), QueryValues::Plus::Space);
    std::string text = form.value("q");
    if (text.size() > maxSearchLength)
        text.resize(maxSearchLength);
    return text;
}

std::string searchForm(const std::string &action, const std::string &text, const std::string &extra = {})
{
    return "<form method=\"get\" action=\"" + action + "\">" + extra
           + "<input type=\"text\" name=\"q\" size=\"28\" value=\"" + htmlEscape(text)
           + "\" placeholder=\"Nome della radio\"> <button type=\"submit\">Cerca</button></form>";
}

void searchPage(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const std::string text = searchText(request);
    const std::string self = "/Radio/ricercaRadio.asp";
    std::string body = "<h1>Ricerca radio</h1>" + sourceNote(context) + searchForm(self, text);
    if (!text.empty()) {
        const ListPage page = listPage(request, context, text, self);
        body += "<h2>Risultati per &laquo;" + htmlEscape(text) + "&raquo;</h2>"
                + stationList(page.stations, "/Radio/mostraRadio.asp?Id=") + page.links;
    }
    sendHtml(response, htmlPage("Ricerca radio", body));
}

void fullList(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const ListPage page = listPage(request, context, {}, "/Radio/elencoAltre.asp");
    sendHtml(response, htmlPage("Tutte le emittenti", "<h1>Tutte le emittenti</h1>" + sourceNote(context)
                                                          + stationList(page.stations, "/Radio/mostraRadio.asp?Id=")
                                                          + page.links));
}

bool plausibleEmail(const std::string &email)
{
    const std::size_t at = email.find('@');
    return at != std::string::npos && at > 0 && at + 1 < email.size() && email.size() <= 254
           && email.find_first_of(" \t\r\n<>\"") == std::string::npos;
}

void newsletter(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues form(rawQuery(request), QueryValues::Plus::Space);
    const std::string email = form.value("email");
    std::string note;
    if (form.has("email")) {
        if (plausibleEmail(email) && context.database.addNewsletterAddress(email)) {
            note = "<p class=\"card\">Grazie! L'indirizzo " + htmlEscape(email) + " riceverà la newsletter.</p>";
        } else if (plausibleEmail(email)) {
            note = "<p class=\"card\">Iscrizioni chiuse per oggi: riprovare più tardi.</p>";
        } else {
            note = "<p class=\"card\">Inserire un indirizzo e-mail valido.</p>";
        }
    }
    sendHtml(response, htmlPage("Newsletter", "<h1>Iscriviti alla newsletter</h1>" + note
                                                  + "<p>Ogni settimana le nuove radio e le più ascoltate.</p>"
                                                    "<form method=\"get\" action=\"/radio/SegnalaIndirizzo.asp\">"
                                                    "<input type=\"text\" name=\"email\" size=\"30\" "
                                                    "placeholder=\"nome@esempio.it\"> "
                                                    "<button type=\"submit\">Iscriviti</button></form>"));
}

void selection(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request), QueryValues::Plus::Space);
    const std::string self = "/Radio/radioPersonale.asp";
    std::string note;
    if (query.has("Id")) {
        const auto id = query.positiveId("Id");
        if (const auto station = id ? context.database.station(*id) : std::nullopt) {
            const RecordFormat::Pick pick{station->id, station->name, station->label};
            response.set_content(RecordFormat::selectionPickPage(pick, context.config.siteName, self), htmlType);
            return;
        }
        note = "<p class=\"card\">Radio non trovata: sceglierne un'altra dall'elenco.</p>";
    }
    const std::string text = searchText(request);
    const ListPage page = listPage(request, context, text, self);
    sendHtml(response, htmlPage("Scegli la tua radio", "<h1>Scegli la tua radio</h1>" + note
                                                           + searchForm(self, text)
                                                           + stationList(page.stations, self + "?Id=") + page.links));
}

void news(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request));
    const auto category = query.positiveId("IdNotizia");
    const long long delay = query.integer("TempoRitardo", 30, 1, 86400);
    const auto items = category && *category <= SeedData::newsCategoryCount ? context.database.news(*category)
                                                                             : std::vector<NewsItem>{};
    if (items.empty()) {
        // The ticker slides out on the title "NO".
        sendHtml(response, htmlPage("NO", "<p class=\"muted\">Nessuna notizia disponibile.</p>"));
        return;
    }
    const long long seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    const auto first = static_cast<std::size_t>((seconds / delay) % static_cast<long long>(items.size()));
    std::string slides;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const NewsItem &item = items[(first + k) % items.size()];
        slides += std::string("<div class=\"item\"") + (k == 0 ? "" : " hidden") + "><b>" + htmlEscape(item.headline)
                  + "</b><p>" + htmlEscape(item.text) + "</p></div>";
    }
    const std::string caption = SeedData::categoryCaption(*category);
    const std::string body = "<style>body{padding:8px;font-size:12px}.item b{color:#ffc857}</style><div class=\"muted\">"
                             + htmlEscape(caption) + "</div>" + slides
                             + "<script>var items=document.querySelectorAll('.item'),i=0;setInterval(function(){"
                               "items[i].hidden=true;i=(i+1)%items.length;items[i].hidden=false;},"
                             + std::to_string(delay * 1000) + ");</script>";
    sendHtml(response, htmlPage(caption, body));
}

// The strip is 40 pixels high: one result at a time on the form's line,
// with steps to the others.
void searchStrip(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const std::string self = "/radio/GoogleFinder.htm";
    const std::string text = searchText(request);
    std::string result;
    if (!text.empty()) {
        const int total = context.database.searchCount(text);
        const auto at = static_cast<int>(
            QueryValues(rawQuery(request)).integer("n", 0, 0, std::max(0, total - 1)));
        const auto found = context.database.search(text, at, 1);
        const std::string step = self + "?q=" + urlEncode(text) + "&amp;n=";
        if (found.empty()) {
            result = "<span class=\"muted\">nessuna radio</span>";
        } else {
            result = (at > 0 ? "<a class=\"step\" href=\"" + step + std::to_string(at - 1) + "\">&lsaquo;</a>"
                             : std::string("<span class=\"step\"></span>"))
                     + "<span class=\"muted\">" + std::to_string(at + 1) + "/" + std::to_string(total) + "</span>"
                     + (at + 1 < total ? "<a class=\"step\" href=\"" + step + std::to_string(at + 1) + "\">&rsaquo;</a>"
                                       : std::string("<span class=\"step\"></span>"))
                     + "<a class=\"hit\" target=\"_blank\" href=\"/Radio/mostraRadio.asp?Id="
                     + std::to_string(found.front().id) + "\" title=\"" + htmlEscape(found.front().name) + "\">"
                     + htmlEscape(found.front().name) + "</a>";
        }
    }
    sendHtml(response, htmlPage("Cerca", "<style>body{padding:6px;white-space:nowrap;overflow:hidden;height:28px;"
                                         "box-sizing:border-box;display:flex;align-items:center;gap:4px}"
                                         "input{width:110px}form{display:inline;flex:none}"
                                         ".step{display:inline-block;width:12px;text-align:center;flex:none}"
                                         ".hit{overflow:hidden;text-overflow:ellipsis;min-width:0}</style>"
                                             + searchForm(self, text) + result));
}

} // namespace

void addBrowsePages(httplib::Server &server, ServiceContext &context)
{
    const auto route = [&server, &context](const char *path, void (*handler)(const httplib::Request &,
                                                                              httplib::Response &, ServiceContext &)) {
        server.Get(exactPath(path), [&context, handler](const httplib::Request &req, httplib::Response &res) {
            handler(req, res, context);
        });
    };
    route("/Radio/ricercaRadio.asp", searchPage);
    route("/Radio/elencoAltre.asp", fullList);
    route("/radio/SegnalaIndirizzo.asp", newsletter);
    route("/Radio/radioPersonale.asp", selection);
    route("/Radio/RssSonvela.asp", news);
    route("/radio/GoogleFinder.htm", searchStrip);
}
