#include "systemfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <pwd.h>
#include <unistd.h>

namespace {

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

SystemFolders::SystemFolders(QString settingsFolder, QString tempFolder, QString recordingRoot)
    : m_settings(withSlash(std::move(settingsFolder)))
    , m_temp(withSlash(std::move(tempFolder)))
    , m_recordingRoot(withSlash(std::move(recordingRoot)))
{
}

SystemFolders SystemFolders::fromEnvironment(const QProcessEnvironment &environment)
{
    QString home = environment.value(QStringLiteral("HOME"));
    // Without HOME (a service, a stripped environment) the account's own home
    // folder, never the root folder.
    if (home.isEmpty()) {
        if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir)
            home = QFile::decodeName(account->pw_dir);
    }
    if (home.isEmpty())
        home = QDir::tempPath();
    QString config = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (config.isEmpty())
        config = home + QStringLiteral("/.config");
    QString temp = environment.value(QStringLiteral("TMPDIR"));
    if (temp.isEmpty())
        temp = QStringLiteral("/tmp");
    return SystemFolders(withSlash(config) + QStringLiteral("Sonvela"), temp,
                         withSlash(home) + QStringLiteral("Sonvela"));
}

bool SystemFolders::ensureSettingsFolder() const
{
    return QDir().mkpath(m_settings) && QFileInfo(m_settings).isWritable();
}
