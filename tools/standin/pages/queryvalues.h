#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The query of one request, read the way the service's pages read it: keys
// compared without regard to case, the first occurrence wins. The client puts
// its values into addresses unescaped, so a literal '+' is a plus sign there;
// only HTML forms encode a space as '+', and their pages ask for that.
class QueryValues final
{
public:
    enum class Plus { Literal, Space };

    explicit QueryValues(std::string_view rawQuery, Plus plus = Plus::Literal);

    // The query of a request target ("/path?query"); empty without '?'.
    static std::string_view queryOf(std::string_view target);

    bool has(std::string_view key) const;
    std::string value(std::string_view key) const;
    // A positive id that fits 32 bits; anything else (empty, "-3", "12abc",
    // "99999999999") is no id.
    std::optional<int> positiveId(std::string_view key) const;
    // An integer within [low, high], else the fallback.
    long long integer(std::string_view key, long long fallback, long long low, long long high) const;

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
};

std::string percentDecode(std::string_view text, QueryValues::Plus plus);
std::optional<int> parsePositiveId(std::string_view text);
