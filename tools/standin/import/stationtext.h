#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from outside lists made fit for the service's pages and records: no
// control characters, no bytes that are not UTF-8, runs of spaces as one, at
// most `maxBytes` long (cut on a character boundary).
std::string cleanText(std::string_view text, std::size_t maxBytes);

// The address itself when it is a plain http:// or https:// one that may go
// into a page; otherwise empty, so that javascript:, file: and the like never do.
std::string webAddress(std::string_view text);
