#include "stationtext.h"

namespace {

// Length of the UTF-8 sequence starting at `at`, 0 when it is not one.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4;
    else
        return 0;
    if (at + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xc0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second > 0x9f) || (lead == 0xf0 && second < 0x90)
        || (lead == 0xf4 && second > 0x8f))
        return 0;
    return length;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t k = 0; k < prefix.size(); ++k) {
        char c = text[k];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[k])
            return false;
    }
    return true;
}

} // namespace

std::string cleanText(std::string_view text, std::size_t maxBytes)
{
    std::string out;
    bool space = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        if (length == 0) {
            ++at;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[at]);
        const bool control = length == 1 && (c < 0x20 || c == 0x7f);
        // C1 controls arrive as U+0080..U+009F, two bytes starting 0xC2.
        const bool c1 = length == 2 && c == 0xc2 && static_cast<unsigned char>(text[at + 1]) < 0xa0;
        if (control || c1 || c == ' ') {
            space = !out.empty();
            at += length;
            continue;
        }
        const std::size_t needed = length + (space ? 1 : 0);
        if (out.size() + needed > maxBytes)
            break;
        if (space)
            out += ' ';
        space = false;
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

std::string webAddress(std::string_view text)
{
    constexpr std::size_t MaxLength = 2048;
    if (text.size() > MaxLength || !(startsWithNoCase(text, "http://") || startsWithNoCase(text, "https://")))
        return {};
    const std::size_t schemeEnd = text.find("://") + 3;
    if (schemeEnd >= text.size() || text[schemeEnd] == '/')
        return {};
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c >= 0x7f || c == '"' || c == '\'' || c == '<' || c == '>' || c == '\\' || c == '`')
            return {};
    }
    return std::string(text);
}
