#pragma once

#include "settings/useraccount.h"

#include <QByteArray>
#include <QString>

#include <optional>

class SettingsLines;

// "UsrSV.txt": name, password, id. It holds a password in plain text, so it
// is readable and writable by its owner only.
class AccountFile final
{
public:
    static QString path(const QString &settingsFolder);

    static UserAccount parse(const SettingsLines &lines);
    static QByteArray compose(const UserAccount &account);

    // nullopt when there is no file: no user stored. A present but empty file
    // is a stored user with empty values.
    static std::optional<UserAccount> read(const QString &settingsFolder);
    static void write(const QString &settingsFolder, const UserAccount &account);
};
