#include "playerpage.h"

#include "html.h"
#include "playerscript.h"
#include "station.h"
#include "stationtext.h"

namespace {

// Seed stations play the service's own stream; imported ones the address
// their list gives, which the import has checked to be http(s).
std::string streamSource(const Station &s)
{
    return s.streamUrl.empty() ? "/stream/" + std::to_string(s.id) : s.streamUrl;
}

std::string detailsOf(const Station &s)
{
    if (s.streamUrl.empty())
        return "<div class=\"muted\">" + htmlEscape(s.label) + "</div>";
    std::string facts;
    const auto add = [&facts](const std::string &fact) {
        if (!fact.empty())
            facts += (facts.empty() ? "" : " &middot; ") + fact;
    };
    add(htmlEscape(s.country));
    add(htmlEscape(s.codec));
    add(s.bitrate > 0 ? std::to_string(s.bitrate) + " kbit/s" : std::string());
    std::string html = "<div class=\"muted\">" + facts + "</div>";
    if (!s.tags.empty())
        html += "<div class=\"tags\">" + htmlEscape(s.tags) + "</div>";
    return html;
}

std::string logoOf(const Station &s)
{
    if (s.favicon.empty())
        return "<div class=\"disc\"></div>";
    return "<img class=\"logo\" alt=\"\" src=\"" + htmlEscape(s.favicon) + "\">";
}

} // namespace

// Nothing on the page moves while it plays: it plays for hours in front of
// the user, and every change is drawn again (in software, a core for a
// spinning disc, a few points for the engine's own controls, whose clock and
// slider tick). So the disc stands still and the controls are the page's own.
std::string playerPage(const Station &s)
{
    const std::string id = std::to_string(s.id);
    const std::string source = htmlEscape(streamSource(s));
    const std::string footer = s.streamUrl.empty() ? "In diretta &middot; <a href=\"/stream/" + id + ".wav\">flusso WAV</a>"
                                                   : std::string("In diretta");
    const std::string body = R"(<style>
.player{text-align:center;padding-top:40px}
.name{font-size:22px;font-weight:bold;color:#fff;margin:8px 0 4px;word-wrap:break-word}
.tags{color:#c9d6e3;font-size:12px;margin-top:4px;word-wrap:break-word}
.logo{width:90px;height:90px;object-fit:contain;border-radius:8px;background:#1a2129}
.controls{display:flex;gap:12px;align-items:center;justify-content:center;margin-top:20px}
.controls button{min-width:96px}
.controls input{width:40%;padding:0}
.disc{width:90px;height:90px;margin:0 auto;border-radius:50%;background:conic-gradient(#ff7a59,#ffc857,#7cc4ff,#ff7a59);
box-shadow:0 0 24px #ff7a5955}
</style>
<div class="player">
)" + logoOf(s) + R"(
<div class="name">)" + htmlEscape(s.name) + R"(</div>
)" + detailsOf(s) + R"(
<audio id="player" autoplay preload="auto" src=")" + source + R"("></audio>
<div class="controls" role="group" aria-label="Controlli del lettore">
<button id="playpause" type="button">&#10074;&#10074; Pausa</button>
<input id="volume" type="range" min="0" max="100" value="100" aria-label="Volume">
</div>
<p class="muted">)" + footer + R"(</p>
</div>
<script>)" + std::string(playerScript()) + "</script>";
    return htmlPage("RADIO:-" + s.name, body);
}

std::string departedStationPage(const Station &s)
{
    return htmlPage("Radio non disponibile",
                    "<h1>Radio non più disponibile</h1><p>&laquo;" + htmlEscape(s.name)
                        + "&raquo; non è più nell'elenco delle radio.</p><p><a href=\"/Radio/ricercaRadio.asp?q="
                        + htmlEscape(urlEncode(cleanText(s.name, 60)))
                        + "\">Cerca una radio simile</a> &middot; <a href=\"/Radio/ricercaRadio.asp\">Ricerca "
                          "radio</a></p>");
}
