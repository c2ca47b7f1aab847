#include "passwordhash.h"

#include "sha256.h"

#include <random>

namespace {

constexpr int stretchRounds = 4096;

std::string toHex(const std::array<std::uint8_t, 32> &digest)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t b : digest) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

} // namespace

std::string hashPassword(const std::string &salt, const std::string &password)
{
    std::string state = salt + '\0' + password;
    for (int i = 0; i < stretchRounds; ++i)
        state = toHex(sha256(state + salt));
    return state;
}

bool passwordMatches(const std::string &salt, const std::string &storedHash, const std::string &password)
{
    const std::string candidate = hashPassword(salt, password);
    if (candidate.size() != storedHash.size())
        return false;
    // Compare every byte so the time taken says nothing about the prefix.
    unsigned char diff = 0;
    for (std::size_t i = 0; i < candidate.size(); ++i)
        diff |= static_cast<unsigned char>(candidate[i] ^ storedHash[i]);
    return diff == 0;
}

std::string newSalt()
{
    std::random_device device;
    std::array<std::uint8_t, 32> bytes{};
    for (auto &b : bytes)
        b = static_cast<std::uint8_t>(device());
    return toHex(bytes).substr(0, 32);
}
