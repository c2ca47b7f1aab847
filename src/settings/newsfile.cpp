#include "settings/newsfile.h"

#include "settings/atomicfile.h"
#include "settings/settingslines.h"

int NewsChoice::categoryNumber() const
{
    const int number = SettingsLines::toInteger(category, 0);
    return number >= 1 && number <= 15 ? number : 0;
}

QString NewsFile::path(const QString &settingsFolder) { return settingsFolder + QStringLiteral("NewsSV.txt"); }

NewsChoice NewsFile::parse(const SettingsLines &lines)
{
    NewsChoice choice;
    if (lines.has(1))
        choice.category = lines.text(1);
    choice.delay = lines.integer(2, NewsChoice().delay);
    return choice;
}

QByteArray NewsFile::compose(const NewsChoice &choice)
{
    return SettingsLines::compose({ choice.category, QString::number(choice.delay) });
}

NewsChoice NewsFile::read(const QString &settingsFolder)
{
    const auto lines = SettingsLines::readFile(path(settingsFolder));
    return lines ? parse(*lines) : NewsChoice();
}

void NewsFile::write(const QString &settingsFolder, const NewsChoice &choice)
{
    AtomicFile(path(settingsFolder)).write(compose(choice));
}
