#pragma once

#include <string>

// Password hashes are libsodium's Argon2id strings, which name their own
// algorithm and cost ("$argon2id$v=19$m=...,t=...,p=...$salt$hash"), so the
// cost can be raised later without a schema change.
std::string hashPassword(const std::string &password);

struct PasswordCheck
{
    bool matches = false;
    // The stored hash is of an older kind or cost: store hashPassword() anew.
    bool needsRehash = false;
};

// `legacySalt` is only read for hashes written before Argon2id: a salt column
// beside a hex digest of 4096 rounds of SHA-256.
PasswordCheck checkPassword(const std::string &storedHash, const std::string &legacySalt,
                            const std::string &password);
