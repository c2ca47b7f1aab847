#pragma once

#include <string>

// Salted, stretched password hashes stored as lower-case hex.
std::string hashPassword(const std::string &salt, const std::string &password);
bool passwordMatches(const std::string &salt, const std::string &storedHash, const std::string &password);
std::string newSalt();
