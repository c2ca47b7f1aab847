#include "recordersettingsfile.h"

#include "service/linerecords.h"
#include "settings/atomicfile.h"
#include "settings/settingslines.h"

#include <QFile>

std::vector<int> RecorderSettingsFile::parse(const QByteArray &bytes)
{
    std::vector<int> values;
    qsizetype start = 0;
    while (start < bytes.size() && static_cast<int>(values.size()) < LineCount) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArray line = bytes.mid(start, end - start).trimmed();
        bool ok = false;
        const int value = line.toInt(&ok);
        values.push_back(ok ? value : 0);
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return values;
}

QByteArray RecorderSettingsFile::compose(const Values &values)
{
    QStringList lines;
    for (int value : {values.device, values.source, values.format, values.preset, values.volume})
        lines << QString::number(value);
    return SettingsLines::compose(lines);
}

QString RecorderSettingsFile::path(const QString &settingsFolder)
{
    return settingsFolder + QStringLiteral("OpzSVR.txt");
}

std::vector<int> RecorderSettingsFile::read(const QString &settingsFolder)
{
    QFile file(path(settingsFolder));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot read \"%1\": %2").arg(file.fileName(), file.errorString()));
    return parse(file.readAll());
}

void RecorderSettingsFile::write(const QString &settingsFolder, const Values &values)
{
    AtomicFile(path(settingsFolder)).write(compose(values));
}
