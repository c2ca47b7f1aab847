// Preferences download and upload, login and privacy.
#include "database.h"
#include "html.h"
#include "passwordhash.h"
#include "queryvalues.h"
#include "recordformat.h"
#include "routes.h"
#include "servicecontext.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>

namespace {

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool sameEmail(const std::string &a, const std::string &b)
{
    return upper(a) == upper(b);
}

void preferences(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request));
    const auto id = query.positiveId("IdUtente");
    // An unknown user gets no values, so the client falls back to its defaults.
    const bool known = id && context.database.userById(*id);
    sendHtml(response, RecordFormat::preferencesPage(known ? context.database.options(*id)
                                                           : std::vector<std::string>{}));
}

void refuse(httplib::Response &response, int status, const std::string &why)
{
    sendHtml(response, htmlPage("KO", "<h1>Impostazioni non salvate</h1><p>" + htmlEscape(why) + "</p>"), status);
}

// Values are taken exactly as decoded from the address: the client escapes
// nothing but removes '&', so a '+' is a plus sign and "%23" a '#'.
void upload(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request));
    const auto id = query.positiveId("idutente");
    if (!id || !context.database.userById(*id))
        return refuse(response, 404, "Utente sconosciuto.");
    const std::string first = upper(query.value("primo"));
    if (first != "SI" && first != "NO")
        return refuse(response, 400, "Il parametro primo deve valere SI o NO.");
    if (!query.has("valore"))
        return refuse(response, 400, "Nessun valore ricevuto.");
    const std::vector<std::string> values = RecordFormat::splitValues(query.value("valore"));
    if (first == "SI") {
        context.database.replaceOptions(*id, values);
    } else if (!context.database.appendOptions(*id, values)) {
        return refuse(response, 413, "Troppi valori: il limite è " + std::to_string(Database::MaxOptionValues) + ".");
    }
    sendHtml(response, htmlPage("OK", "<h1>Impostazioni salvate</h1><p class=\"muted\">"
                                          + std::to_string(context.database.options(*id).size())
                                          + " valori memorizzati.</p>"));
}

void login(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request));
    const std::string email = query.value("Utente");
    const std::string password = query.value("Psw");
    const auto user = email.empty() ? std::nullopt : context.database.userByEmail(email);
    const PasswordCheck check = user ? checkPassword(user->passwordHash, user->salt, password) : PasswordCheck{};
    if (!check.matches) {
        const std::string why = email.empty() ? "Inserire l'indirizzo e-mail con cui ci si è registrati."
                                              : "Indirizzo e-mail o password non corretti. Controllare i dati "
                                                "e riprovare.";
        sendHtml(response, htmlPage("KO", "<h1>Accesso negato</h1><p>" + htmlEscape(why) + "</p>"));
        return;
    }
    // Only now is the password in hand, so an old hash is replaced at login.
    if (check.needsRehash)
        context.database.setPasswordHash(user->id, hashPassword(password));
    sendHtml(response, htmlPage(std::to_string(user->id),
                                "<h1>Accesso effettuato</h1><p>Benvenuto, " + htmlEscape(user->email)
                                    + ".</p><p class=\"muted\">Le tue impostazioni sono salvate sul server.</p>"));
}

std::string checkbox(const char *name, const char *caption, bool checked)
{
    return std::string("<p><label><input type=\"checkbox\" name=\"") + name + "\" value=\"SI\""
           + (checked ? " checked" : "") + "> " + caption + "</label></p>";
}

// The title is always text: the client's account window takes a numeric
// title for a login answer.
void privacy(const httplib::Request &request, httplib::Response &response, ServiceContext &context)
{
    const QueryValues query(rawQuery(request));
    const auto id = query.positiveId("IdUtente");
    const auto user = id ? context.database.userById(*id) : std::nullopt;
    if (!user || !sameEmail(user->email, query.value("Utente"))) {
        sendHtml(response, htmlPage("Privacy", "<h1>Privacy</h1><p>Utente non riconosciuto: accedere di nuovo "
                                               "dalla finestra Informazioni utente.</p>"));
        return;
    }
    std::string note;
    if (query.value("salva") == "1") {
        const PrivacyChoices choices{query.value("newsletter") == "SI", query.value("statistiche") == "SI",
                                     query.value("profilo") == "SI"};
        context.database.setPrivacy(user->id, choices);
        note = "<p class=\"card\">Scelte salvate.</p>";
    }
    const PrivacyChoices current = context.database.privacy(user->id);
    const std::string body =
        "<h1>Gestione privacy</h1>" + note + "<p class=\"muted\">Account " + htmlEscape(user->email)
        + "</p><form method=\"get\" action=\"/Radio/OpzioniPrivacy.asp\">"
          "<input type=\"hidden\" name=\"IdUtente\" value=\""
        + std::to_string(user->id) + "\"><input type=\"hidden\" name=\"Utente\" value=\"" + htmlEscape(user->email)
        + "\"><input type=\"hidden\" name=\"salva\" value=\"1\">"
        + checkbox("newsletter", "Ricevere la newsletter di Sonvela", current.newsletter)
        + checkbox("statistiche", "Usare i miei ascolti per le classifiche anonime", current.statistics)
        + checkbox("profilo", "Mostrare le mie radio preferite nel profilo pubblico", current.publicProfile)
        + "<button type=\"submit\">Salva</button></form>";
    sendHtml(response, htmlPage("Privacy", body));
}

} // namespace

void addAccountPages(httplib::Server &server, ServiceContext &context)
{
    const auto route = [&server, &context](const char *path, void (*handler)(const httplib::Request &,
                                                                              httplib::Response &, ServiceContext &)) {
        server.Get(exactPath(path), [&context, handler](const httplib::Request &req, httplib::Response &res) {
            handler(req, res, context);
        });
    };
    route("/radio/Personalizzazioni.asp", preferences);
    route("/Radio/settaimpostazioni.asp", upload);
    route("/Radio/VerificaPsw.asp", login);
    route("/Radio/OpzioniPrivacy.asp", privacy);
}
