#include "recordformat.h"

#include "html.h"

#include <stdexcept>

namespace RecordFormat {

std::string recordValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n' || c == '\x1a') {
            out += ' ';
        } else if (c == '<' && value.substr(i + 1, 2) == "BR") {
            out += "< ";
        } else {
            out += c;
        }
    }
    return out;
}

std::string catalogueText(const Catalogue &catalogue)
{
    std::vector<std::string> records;
    records.reserve(catalogueRecords);
    const auto addSlot = [&records](const std::vector<CatalogueEntry> &list, int slot) {
        const auto index = static_cast<std::size_t>(slot - 1);
        const CatalogueEntry entry = index < list.size() ? list[index] : CatalogueEntry{};
        for (const std::string *field : {&entry.pageUrl, &entry.name, &entry.label, &entry.extra})
            records.push_back(recordValue(*field));
    };
    // Slot 1 of the most-clicked list is its bottom entry, slot 15 the top one.
    for (int slot = catalogueSlots; slot >= 1; --slot)
        addSlot(catalogue.mostClicked, catalogueSlots + 1 - slot);
    for (int slot = 1; slot <= catalogueSlots; ++slot)
        addSlot(catalogue.newest, slot);
    for (const std::string *value : {&catalogue.title, &catalogue.ignored, &catalogue.tabCaption, &catalogue.tabUrl})
        records.push_back(recordValue(*value));

    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0)
            text += "<BR>";
        text += records[i];
    }
    return text;
}

std::vector<std::string> splitValues(std::string_view chunk)
{
    std::vector<std::string> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t marker = chunk.find("<BR>", start);
        if (marker == std::string_view::npos) {
            values.emplace_back(chunk.substr(start));
            return values;
        }
        values.emplace_back(chunk.substr(start, marker - start));
        start = marker + 4;
    }
}

std::string preferencesPage(const std::vector<std::string> &values)
{
    std::string page = "<!DOCTYPE html>\r\n"
                       "<html><head><meta charset=\"utf-8\">"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
                       "<title>Personalizzazioni</title></head><body>";
    if (values.empty())
        return page + "</body></html>\r\n";
    page += "\r\n";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            page += "<BR>";
        page += recordValue(values[i]);
    }
    return page + "\r\n</body></html>\r\n";
}

std::string selectionPickPage(const Pick &pick, std::string_view siteName, std::string_view backLink)
{
    std::vector<std::string> lines = {
        "<!DOCTYPE html>",
        "<html lang=\"it\">",
        "<head>",
        "<meta charset=\"utf-8\">",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
        "<title>" + htmlEscape("Radio personale - " + std::string(siteName)) + "</title>",
        "<style>",
        "html,body{margin:0;padding:0;background:#101418;color:#e8edf2}",
        "body{font-family:\"DejaVu Sans\",Verdana,sans-serif;font-size:13px;padding:14px}",
        "h1{font-size:18px;margin:0 0 10px;color:#fff}",
        ".card{background:#1a2129;border:1px solid #27313c;border-radius:8px;padding:12px}",
        "pre{font:inherit;margin:0;line-height:1.5}",
        ".k{color:#8a97a6;font-size:11px}",
        ".muted{color:#8a97a6}",
        "a{color:#7cc4ff;text-decoration:none}",
        "</style>",
        "</head>",
        "<body>",
        "<h1>Radio selezionata</h1>",
        "<p class=\"muted\">Premi &quot;Salva ed esci&quot; per confermare la scelta.</p>",
        "<div class=\"card\">",
    };
    // Pad so that the three values land on their fixed lines.
    while (lines.size() < static_cast<std::size_t>(selectionIdLine - 3))
        lines.emplace_back();
    lines.emplace_back("<pre>");
    lines.emplace_back("<span class=\"k\">Codice</span>");
    lines.push_back(std::to_string(pick.id));
    lines.emplace_back("<span class=\"k\">Nome</span>");
    lines.push_back(recordValue(pick.name));
    lines.emplace_back("<span class=\"k\">Etichetta</span>");
    lines.push_back(recordValue(pick.label));
    lines.emplace_back("</pre>");
    lines.emplace_back("</div>");
    lines.push_back("<p><a href=\"" + htmlEscape(backLink) + "\">Scegli un'altra radio</a></p>");
    lines.emplace_back("</body>");
    lines.emplace_back("</html>");
    if (lines[selectionIdLine - 1] != std::to_string(pick.id))
        throw std::logic_error("selection page layout moved the id line");

    std::string page;
    for (const std::string &line : lines)
        page += line + "\r\n";
    return page;
}

} // namespace RecordFormat
