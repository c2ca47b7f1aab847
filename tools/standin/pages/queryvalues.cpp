#include "queryvalues.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool sameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string percentDecode(std::string_view text, QueryValues::Plus plus)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else if (c == '+' && plus == QueryValues::Plus::Space) {
            out += ' ';
        } else {
            // A '%' without two hex digits is kept as typed.
            out += c;
        }
    }
    return out;
}

std::optional<int> parsePositiveId(std::string_view text)
{
    long long id = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, id);
    if (text.empty() || ec != std::errc() || ptr != end || id <= 0 || id > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(id);
}

QueryValues::QueryValues(std::string_view rawQuery, Plus plus)
{
    std::size_t start = 0;
    while (start <= rawQuery.size()) {
        std::size_t end = rawQuery.find('&', start);
        if (end == std::string_view::npos)
            end = rawQuery.size();
        const std::string_view pair = rawQuery.substr(start, end - start);
        if (!pair.empty()) {
            const std::size_t eq = pair.find('=');
            const std::string_view key = pair.substr(0, eq);
            const std::string_view val = eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
            m_pairs.emplace_back(percentDecode(key, plus), percentDecode(val, plus));
        }
        start = end + 1;
    }
}

std::string_view QueryValues::queryOf(std::string_view target)
{
    const std::size_t q = target.find('?');
    if (q == std::string_view::npos)
        return {};
    // No browser sends a fragment; one that arrives all the same ends the
    // query, as it does for the path httplib parses.
    const std::string_view query = target.substr(q + 1);
    return query.substr(0, query.find('#'));
}

bool QueryValues::has(std::string_view key) const
{
    return std::any_of(m_pairs.begin(), m_pairs.end(), [key](const auto &p) { return sameKey(p.first, key); });
}

std::string QueryValues::value(std::string_view key) const
{
    for (const auto &[k, v] : m_pairs)
        if (sameKey(k, key))
            return v;
    return {};
}

std::optional<int> QueryValues::positiveId(std::string_view key) const
{
    return parsePositiveId(value(key));
}

long long QueryValues::integer(std::string_view key, long long fallback, long long low, long long high) const
{
    const std::string text = value(key);
    long long n = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (text.empty() || ec != std::errc() || ptr != end || n < low || n > high)
        return fallback;
    return n;
}
