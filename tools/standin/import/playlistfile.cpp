#include "playlistfile.h"

#include "stationtext.h"

#include <map>
#include <set>
#include <string>

namespace {

constexpr std::size_t MaxEntries = 10000;
constexpr std::size_t MaxNameBytes = 300;

std::vector<std::string_view> linesOf(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// `key="value"` among the attributes of an #EXTINF line.
std::string attribute(std::string_view attributes, std::string_view key)
{
    const std::string wanted = std::string(key) + "=\"";
    const std::size_t at = lower(attributes).find(wanted);
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + wanted.size();
    const std::size_t end = attributes.find('"', start);
    return end == std::string_view::npos ? std::string() : std::string(attributes.substr(start, end - start));
}

class Collector
{
public:
    void add(std::string_view address, std::string_view name, std::string_view logo, std::string_view group)
    {
        Station s;
        s.streamUrl = webAddress(trimmed(address));
        if (s.streamUrl.empty() || m_stations.size() >= MaxEntries || !m_seen.insert(s.streamUrl).second)
            return;
        s.uuid = "list:" + s.streamUrl;
        s.name = cleanText(name, MaxNameBytes);
        if (s.name.empty())
            s.name = cleanText(s.streamUrl.substr(s.streamUrl.find("://") + 3), MaxNameBytes);
        s.label = s.name;
        s.favicon = webAddress(logo);
        s.tags = cleanText(group, MaxNameBytes);
        m_stations.push_back(std::move(s));
    }
    std::vector<Station> take() { return std::move(m_stations); }

private:
    std::vector<Station> m_stations;
    std::set<std::string> m_seen;
};

std::vector<Station> readM3u(const std::vector<std::string_view> &lines)
{
    Collector found;
    std::string name, logo, group;
    for (const std::string_view raw : lines) {
        const std::string_view line = trimmed(raw);
        if (lower(line.substr(0, 8)) == "#extinf:") {
            // "#EXTINF:-1 tvg-logo="…" group-title="…",Name": the name follows
            // the first comma outside the quoted attributes.
            bool quoted = false;
            std::size_t comma = std::string_view::npos;
            for (std::size_t k = 8; k < line.size() && comma == std::string_view::npos; ++k) {
                if (line[k] == '"')
                    quoted = !quoted;
                else if (line[k] == ',' && !quoted)
                    comma = k;
            }
            const std::string_view attributes = line.substr(8, comma == std::string_view::npos ? line.size() : comma - 8);
            name = comma == std::string_view::npos ? std::string() : std::string(line.substr(comma + 1));
            logo = attribute(attributes, "tvg-logo");
            group = attribute(attributes, "group-title");
        } else if (!line.empty() && line.front() != '#') {
            found.add(line, name, logo, group);
            name.clear();
            logo.clear();
            group.clear();
        }
    }
    return found.take();
}

// "[playlist]" with FileN= and TitleN= in any order; entries by number.
std::vector<Station> readPls(const std::vector<std::string_view> &lines)
{
    std::map<long, std::pair<std::string, std::string>> entries;
    for (const std::string_view raw : lines) {
        const std::string_view line = trimmed(raw);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string key = lower(trimmed(line.substr(0, eq)));
        const bool file = key.rfind("file", 0) == 0;
        const bool title = key.rfind("title", 0) == 0;
        if (!file && !title)
            continue;
        const std::string number = key.substr(file ? 4 : 5);
        if (number.empty() || number.size() > 6
            || number.find_first_not_of("0123456789") != std::string::npos)
            continue;
        auto &entry = entries[std::stol(number)];
        (file ? entry.first : entry.second) = std::string(trimmed(line.substr(eq + 1)));
    }
    Collector found;
    for (const auto &[number, entry] : entries)
        found.add(entry.first, entry.second, {}, {});
    return found.take();
}

} // namespace

std::vector<Station> readPlaylistFile(std::string_view text)
{
    const std::vector<std::string_view> lines = linesOf(text);
    for (const std::string_view line : lines) {
        if (trimmed(line).empty())
            continue;
        return lower(trimmed(line)) == "[playlist]" ? readPls(lines) : readM3u(lines);
    }
    return {};
}
