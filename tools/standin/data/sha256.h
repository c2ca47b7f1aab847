#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Plain SHA-256, enough for salted password hashes of a loopback stand-in.
std::array<std::uint8_t, 32> sha256(std::string_view data);
