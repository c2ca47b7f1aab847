// The product's, the maker's and the partners' web sites.
#include "html.h"
#include "routes.h"
#include "servicecontext.h"

#include <httplib.h>

namespace {

void page(httplib::Server &server, const char *path, std::string html)
{
    server.Get(exactPath(path),
               [html = std::move(html)](const httplib::Request &, httplib::Response &res) { sendHtml(res, html); });
}

std::string productHome(const ServiceContext &context)
{
    const std::string mirror = context.siteAddress(context.config.mirrorPort(1));
    return htmlPage("Sonvela - la radio sul desktop",
                    "<span class=\"brand\">Sonvela</span><p>Migliaia di radio, un solo programma. "
                    "Ascolta, registra e scopri nuove stazioni.</p>"
                    "<div class=\"card\"><b>Sonvela per Linux 4.8</b><p class=\"muted\">Per Debian 12 e "
                    "derivate.</p></div><ul class=\"list\">"
                    "<li><a href=\"/plugin/news/\">Novità software</a></li>"
                    "<li><a href=\"/plugin/vacanze/\">Hotel e vacanze</a></li>"
                    "<li><a href=\"/plugin/fb/\">Community</a></li>"
                    "<li><a href=\"/pubblicitasoftware.asp\">Pubblicità su Sonvela</a></li>"
                    "<li><a href=\""
                        + mirror + "/Radio/elencoAltre.asp\">Tutte le radio</a></li></ul>");
}

// The hotel section has a festival jingle, so leaving the section must
// silence it: the client's blanking is what stops it. It waits for its play
// button: a section page must not sound over the station that is playing.
std::string hotelPage(const ServiceContext &context)
{
    const std::string mirror = context.siteAddress(context.config.mirrorPort(1));
    return htmlPage("Hotel", "<h1>Hotel e vacanze</h1><p>Offerte per i weekend in musica: festival, concerti e "
                             "rassegne in tutta Italia.</p><ul class=\"list\"><li>Umbria Jazz &mdash; pacchetti da 2 "
                             "notti</li><li>Notte della Taranta &mdash; agosto</li><li>Ravenna Festival &mdash; "
                             "giugno e luglio</li></ul><p class=\"muted\">La sigla dei festival: "
                             "<button id=\"play\" onclick=\"document.getElementById('jingle').play()\">"
                             "Ascolta</button></p>"
                             "<audio id=\"jingle\" loop controls preload=\"none\" src=\""
                                 + mirror + "/stream/5\"></audio>");
}

std::string recordingModulePage()
{
    return htmlPage("Modulo di registrazione per Linux",
                    "<h1>Modulo di registrazione</h1>"
                    "<p>Su Linux la registrazione usa GStreamer. Il modulo viene installato insieme a Sonvela; se "
                    "la pagina Audio Recording chiede di installarlo, installare i pacchetti di GStreamer:</p>"
                    "<div class=\"card\"><pre>sudo apt-get install gstreamer1.0-plugins-base "
                    "gstreamer1.0-plugins-good \\\n  gstreamer1.0-plugins-ugly gstreamer1.0-libav</pre></div>"
                    "<p>Poi reinstallare Sonvela, che porta con sé il modulo, premere Ok nella finestra di Sonvela "
                    "e riaprire la pagina Audio Recording.</p>"
                    "<p class=\"muted\">Il file AudioRecording.exe serve solo alla versione per Windows.</p>");
}

} // namespace

void addProductPages(httplib::Server &server, ServiceContext &context)
{
    page(server, "/", productHome(context));
    page(server, "/comunity/randomfacebook.asp",
         htmlPage("Community", "<style>body{padding:6px}</style><div class=\"card\"><b>Community Sonvela</b>"
                               "<p class=\"muted\">Oggi 1.204 ascoltatori condividono le loro radio preferite.</p>"
                               "</div>"));
    page(server, "/plugin/vacanze/", hotelPage(context));
    page(server, "/plugin/fb/",
         htmlPage("Community", "<h1>Community</h1><p>Segui Sonvela e racconta cosa stai ascoltando.</p>"
                               "<div class=\"card\">&laquo;Finalmente la mia radio di paese anche in ufficio!&raquo;"
                               "<p class=\"muted\">&mdash; Giulia, Perugia</p></div>"));
    page(server, "/plugin/news/",
         htmlPage("Novità software", "<h1>Novità software</h1><ul class=\"list\"><li><b>4.8</b> &mdash; versione "
                                     "per Linux, registrazione con GStreamer</li><li><b>4.7</b> &mdash; news e "
                                     "meteo</li><li><b>4.6</b> &mdash; Sudoku</li></ul>"));
    page(server, "/pubblicitasoftware.asp",
         htmlPage("Pubblicità su Sonvela", "<h1>Pubblicità su Sonvela</h1><p>Raggiungi ogni giorno migliaia di "
                                           "ascoltatori con uno spazio nella striscia sponsor o nel riquadro "
                                           "laterale.</p><p>Contatti: pubblicita@sonvela.local</p>"));
    page(server, "/AudioRecording.exe", recordingModulePage());
}

void addMakerPages(httplib::Server &server, ServiceContext &)
{
    page(server, "/", htmlPage("Velmora", "<span class=\"brand\">Velmora</span><p>Software per la radio e la "
                                          "musica dal 2003.</p><p><a href=\"/forum\">Forum</a></p>"));
    page(server, "/forum",
         htmlPage("Forum - Velmora", "<h1>Forum</h1><ul class=\"list\"><li>Segnala una radio che non funziona</li>"
                                     "<li>Proponi una nuova radio</li><li>Commenti e suggerimenti sul software</li>"
                                     "</ul>"));
}

void addPartnerPages(httplib::Server &server, ServiceContext &, int partner)
{
    const std::string name = partner == 1 ? "Radiofonia Italiana" : "Musica Libera";
    page(server, "/", htmlPage(name, "<h1>" + name + "</h1><p>Partner di Sonvela.</p>"));
}
