#include "xdgautostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Exec= values quote arguments that hold spaces or reserved characters.
QString quotedExec(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""))
        .replace(QLatin1Char('`'), QStringLiteral("\\`"))
        .replace(QLatin1Char('$'), QStringLiteral("\\$"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

XdgAutostart::XdgAutostart(QString autostartFolder) : m_folder(std::move(autostartFolder))
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString XdgAutostart::defaultFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/");
}

QString XdgAutostart::entryPath() const
{
    return m_folder + QStringLiteral("Sonvela.desktop");
}

bool XdgAutostart::set(const QString &executablePath)
{
    if (!QDir().mkpath(m_folder))
        return false;
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Sonvela\nExec=%1\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(quotedExec(executablePath));
    file.write(entry.toUtf8());
    return file.commit();
}

bool XdgAutostart::remove()
{
    return !QFile::exists(entryPath()) || QFile::remove(entryPath());
}

bool XdgAutostart::isSet() const
{
    return QFile::exists(entryPath());
}
