#pragma once

#include <string_view>

// Whether a peer address as httplib gives it ("127.0.0.1", "::1",
// "::ffff:127.0.0.2") is on this machine's loopback.
bool isLoopbackAddress(std::string_view address);
