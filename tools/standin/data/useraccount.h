#pragma once

#include <string>

struct UserAccount
{
    int id = 0;
    std::string email;
    std::string salt; // only beside hashes older than Argon2id
    std::string passwordHash;
};
