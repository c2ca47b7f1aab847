#include "settings/accountfile.h"

#include "settings/atomicfile.h"
#include "settings/settingslines.h"

QString AccountFile::path(const QString &settingsFolder) { return settingsFolder + QStringLiteral("UsrSV.txt"); }

UserAccount AccountFile::parse(const SettingsLines &lines)
{
    return UserAccount { lines.text(1), lines.text(2), lines.text(3) };
}

QByteArray AccountFile::compose(const UserAccount &account)
{
    return SettingsLines::compose({ account.name, account.password, account.id });
}

std::optional<UserAccount> AccountFile::read(const QString &settingsFolder)
{
    const auto lines = SettingsLines::readFile(path(settingsFolder));
    if (!lines)
        return std::nullopt;
    return parse(*lines);
}

void AccountFile::write(const QString &settingsFolder, const UserAccount &account)
{
    AtomicFile(path(settingsFolder), AtomicFile::Access::OwnerOnly).write(compose(account));
}
