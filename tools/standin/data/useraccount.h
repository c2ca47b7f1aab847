#pragma once

#include <string>

struct UserAccount
{
    int id = 0;
    std::string email;
    std::string salt;
    std::string passwordHash;
};
