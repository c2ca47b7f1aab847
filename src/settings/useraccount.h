#pragma once

#include <QString>

// The stored user: the e-mail address, the password as typed and the numeric
// id the service gave, as text. An empty id means no user is logged in.
struct UserAccount
{
    QString name;
    QString password;
    QString id;

    bool operator==(const UserAccount &) const = default;
};
