#include "deployment.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Inline comments start at a ';' or '#' that follows white space.
QString stripComment(const QString &line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if ((c == QLatin1Char(';') || c == QLatin1Char('#')) && (i == 0 || line.at(i - 1).isSpace()))
            return line.left(i);
    }
    return line;
}

QString problem(const QString &fileName, int lineNumber, const QString &what)
{
    return QStringLiteral("%1, line %2: %3").arg(fileName).arg(lineNumber).arg(what);
}

QString *serviceField(Deployment &d, const QString &key)
{
    if (key == QLatin1String("selection_title"))
        return &d.selectionTitle;
    if (key == QLatin1String("stations"))
        return &d.stations;
    if (key.startsWith(QLatin1String("mirror")) && key.size() == 7) {
        const int n = key.at(6).digitValue();
        if (n >= 1 && n <= Deployment::MirrorCount)
            return &d.mirrors[static_cast<std::size_t>(n - 1)];
    }
    return nullptr;
}

QString *sitesField(Deployment &d, const QString &key)
{
    if (key == QLatin1String("product"))
        return &d.product;
    if (key == QLatin1String("maker"))
        return &d.maker;
    if (key == QLatin1String("partner1"))
        return &d.partner1;
    if (key == QLatin1String("partner2"))
        return &d.partner2;
    if (key == QLatin1String("product_domain"))
        return &d.productDomain;
    if (key == QLatin1String("maker_domain"))
        return &d.makerDomain;
    return nullptr;
}

QString *aboutField(Deployment &d, const QString &key)
{
    if (key == QLatin1String("site"))
        return &d.site;
    if (key == QLatin1String("forum"))
        return &d.forum;
    if (key == QLatin1String("credit"))
        return &d.credit;
    return nullptr;
}

// Mirrors and sites are host or host:port values; titles and domains are text.
bool isHostKey(const QString &section, const QString &key)
{
    if (section == QLatin1String("service"))
        return key.startsWith(QLatin1String("mirror"));
    return section == QLatin1String("sites") && !key.endsWith(QLatin1String("_domain"));
}

// The About window's links open in the default browser: web addresses only.
bool isAddressKey(const QString &section, const QString &key)
{
    return section == QLatin1String("about") && (key == QLatin1String("site") || key == QLatin1String("forum"));
}

bool isWebAddress(const QString &value)
{
    return (value.startsWith(QLatin1String("http://")) || value.startsWith(QLatin1String("https://")))
           && !value.contains(QLatin1Char(' '));
}

QStringList translatorLines(const QString &value)
{
    QStringList lines;
    for (const QString &part : value.split(QLatin1Char('|'))) {
        if (!part.trimmed().isEmpty())
            lines << part.trimmed();
    }
    return lines;
}

} // namespace

Deployment Deployment::defaults()
{
    Deployment d;
    for (int i = 0; i < MirrorCount; ++i)
        d.mirrors[static_cast<std::size_t>(i)] = QStringLiteral("127.0.0.1:%1").arg(18081 + i);
    d.selectionTitle = QStringLiteral("Radio personale - Sonvela");
    d.product = QStringLiteral("127.0.0.1:18090");
    d.maker = QStringLiteral("127.0.0.1:18091");
    d.partner1 = QStringLiteral("127.0.0.1:18092");
    d.partner2 = QStringLiteral("127.0.0.1:18093");
    d.productDomain = QStringLiteral("sonvela.local");
    d.makerDomain = QStringLiteral("velmora.local");
    d.credit = QStringLiteral("Velmora - software per la radio e la musica");
    d.translators = {QStringLiteral("English, Français, Español: Velmora")};
    return d;
}

DeploymentReading parseDeployment(const QString &text, const QString &fileName)
{
    DeploymentReading reading{Deployment::defaults(), fileName, {}};
    QString section;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = stripComment(lines.at(i)).trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                reading.problems << problem(fileName, lineNumber, QStringLiteral("a section name must end with ']'"));
                section.clear();
                continue;
            }
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            if (section != QLatin1String("service") && section != QLatin1String("sites")
                && section != QLatin1String("about"))
                reading.problems << problem(fileName, lineNumber, QStringLiteral("unknown section [%1]").arg(section));
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            reading.problems << problem(fileName, lineNumber, QStringLiteral("expected key=value"));
            continue;
        }
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (section == QLatin1String("about") && key == QLatin1String("translators")) {
            reading.deployment.translators = translatorLines(value);
            continue;
        }
        QString *field = section == QLatin1String("service") ? serviceField(reading.deployment, key)
                         : section == QLatin1String("sites") ? sitesField(reading.deployment, key)
                         : section == QLatin1String("about") ? aboutField(reading.deployment, key)
                                                               : nullptr;
        if (!field) {
            reading.problems << problem(fileName, lineNumber, QStringLiteral("unknown key \"%1\"").arg(key));
            continue;
        }
        if (value.isEmpty()) {
            reading.problems << problem(fileName, lineNumber, QStringLiteral("\"%1\" has no value").arg(key));
            continue;
        }
        if (isHostKey(section, key)
            && (value.size() > Deployment::MaxHostLength || value.contains(QLatin1Char('/'))
                || value.contains(QLatin1Char(' ')))) {
            reading.problems << problem(fileName, lineNumber,
                                        QStringLiteral("\"%1\" must be a host or host:port of at most %2 characters")
                                            .arg(key)
                                            .arg(Deployment::MaxHostLength));
            continue;
        }
        if (section == QLatin1String("service") && key == QLatin1String("stations")
            && value != QLatin1String("directory") && value != QLatin1String("seed")
            && !(value.startsWith(QLatin1String("m3u:")) && value.size() > 4)) {
            reading.problems << problem(fileName, lineNumber,
                                        QStringLiteral("\"stations\" must be directory, seed or m3u:PATH"));
            continue;
        }
        if (isAddressKey(section, key) && !isWebAddress(value)) {
            reading.problems << problem(fileName, lineNumber,
                                        QStringLiteral("\"%1\" must be an http:// or https:// address").arg(key));
            continue;
        }
        *field = value;
    }
    return reading;
}

DeploymentReading loadDeployment(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = folder + QStringLiteral("deployment.ini");
        if (!QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            DeploymentReading reading{Deployment::defaults(), QString(), {}};
            reading.problems << QStringLiteral("%1: cannot be read (%2); using the built-in defaults")
                                    .arg(path, file.errorString());
            return reading;
        }
        return parseDeployment(QString::fromUtf8(file.readAll()), path);
    }
    return DeploymentReading{Deployment::defaults(), QString(), {}};
}
