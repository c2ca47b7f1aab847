#include "passwordhash.h"

#include <sodium.h>

#include <stdexcept>

namespace {

// Interactive cost: a login or a seeded account takes a fraction of a second.
constexpr unsigned long long opsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t memLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;
constexpr int legacyRounds = 4096;

void initialiseSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium cannot start");
}

std::string hexSha256(const std::string &data)
{
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char *>(data.data()), data.size());
    char hex[2 * crypto_hash_sha256_BYTES + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

bool legacyMatches(const std::string &storedHash, const std::string &salt, const std::string &password)
{
    std::string state = salt + '\0' + password;
    for (int i = 0; i < legacyRounds; ++i)
        state = hexSha256(state + salt);
    return state.size() == storedHash.size() && sodium_memcmp(state.data(), storedHash.data(), state.size()) == 0;
}

bool isArgon2(const std::string &storedHash)
{
    return storedHash.rfind(crypto_pwhash_argon2id_STRPREFIX, 0) == 0 && storedHash.size() < crypto_pwhash_STRBYTES;
}

} // namespace

std::string hashPassword(const std::string &password)
{
    initialiseSodium();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, password.data(), password.size(), opsLimit, memLimit,
                              crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return out;
}

PasswordCheck checkPassword(const std::string &storedHash, const std::string &legacySalt,
                            const std::string &password)
{
    initialiseSodium();
    if (isArgon2(storedHash)) {
        if (crypto_pwhash_str_verify(storedHash.c_str(), password.data(), password.size()) != 0)
            return {};
        return {true, crypto_pwhash_str_needs_rehash(storedHash.c_str(), opsLimit, memLimit) != 0};
    }
    if (!legacySalt.empty() && legacyMatches(storedHash, legacySalt, password))
        return {true, true};
    return {};
}
