#include "xdgautostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

// The Exec= value for one program path. An argument holding a reserved
// character is quoted, with '"', '`', '$' and '\\' escaped inside the quotes;
// '%' is doubled so it is no field code. Then the value escaping of every
// desktop-file string applies on top, doubling each backslash again.
QString execValue(const QString &path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = path;
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    const bool quote = std::any_of(arg.cbegin(), arg.cend(), [](QChar c) { return reserved.contains(c); });
    if (quote) {
        QString quoted;
        for (const QChar c : arg) {
            if (QStringLiteral("\"`$\\").contains(c))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        arg = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    arg.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return arg;
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

std::optional<QString> XdgAutostart::set(const QString &executablePath)
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("Cannot create folder \"%1\".").arg(m_folder);
    // Written beside the entry and renamed over it: never half an entry.
    QSaveFile file(entryPath());
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Sonvela\nExec=%1\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execValue(executablePath));
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) < 0 || !file.commit())
        return QStringLiteral("Cannot create file \"%1\". %2").arg(entryPath(), file.errorString());
    return std::nullopt;
}

std::optional<QString> XdgAutostart::remove()
{
    QFile file(entryPath());
    if (!file.exists() || file.remove())
        return std::nullopt;
    return QStringLiteral("Cannot delete file \"%1\". %2").arg(entryPath(), file.errorString());
}

bool XdgAutostart::isSet() const
{
    return QFile::exists(entryPath());
}
