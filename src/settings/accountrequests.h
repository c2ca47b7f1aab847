#pragma once

#include <QString>

// The service addresses of the account and of the preference copy. Values go
// percent-encoded: a "&", "#" or "+" in a password would otherwise end the
// value or change it before the service reads it.
class AccountRequests final
{
public:
    static QString encode(const QString &value);

    static QString login(const QString &serverBase, const QString &name, const QString &password);
    static QString privacy(const QString &serverBase, const QString &userId, const QString &name);
    static QString preferences(const QString &serverBase, const QString &userId);
    // What both account browsers show when no user is stored.
    static QString blankPage();
};
