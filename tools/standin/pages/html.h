#pragma once

#include <string>
#include <string_view>

// Text for HTML element content and attribute values.
std::string htmlEscape(std::string_view text);
// A value for an address query, every byte outside the unreserved set escaped.
std::string urlEncode(std::string_view text);

// A whole UTF-8 page in the service's dark look. The title is escaped here;
// the body is markup.
std::string htmlPage(std::string_view title, std::string_view body, std::string_view extraHead = {});

inline constexpr const char *htmlType = "text/html; charset=utf-8";
