#include "settings/playlistfile.h"

#include "settings/atomicfile.h"
#include "settings/settingslines.h"

#include <QStringList>

QString PlaylistFile::path(const QString &settingsFolder) { return settingsFolder + QStringLiteral("Progrvlm.txt"); }

std::vector<PlaylistRow> PlaylistFile::parse(const SettingsLines &lines)
{
    std::vector<PlaylistRow> rows(1);
    int line = 1;
    while (lines.has(line)) {
        if (!rows.back().time.isEmpty())
            rows.emplace_back();
        PlaylistRow &row = rows.back();
        QString *const fields[] = { &row.time, &row.key, &row.stationId, &row.stationName, &row.stationLabel };
        for (QString *field : fields) {
            if (!lines.has(line))
                break;
            *field = lines.text(line++);
        }
    }
    return rows;
}

QByteArray PlaylistFile::compose(const std::vector<PlaylistRow> &rows)
{
    if (rows.empty() || rows.back().time.isEmpty())
        return QByteArray();
    QStringList values;
    for (const PlaylistRow &row : rows)
        values << row.time << row.key << row.stationId << row.stationName << row.stationLabel;
    return SettingsLines::compose(values);
}

std::vector<PlaylistRow> PlaylistFile::read(const QString &settingsFolder)
{
    const auto lines = SettingsLines::readFile(path(settingsFolder));
    if (!lines) {
        AtomicFile(path(settingsFolder)).write(QByteArray());
        return std::vector<PlaylistRow>(1);
    }
    return parse(*lines);
}

void PlaylistFile::write(const QString &settingsFolder, const std::vector<PlaylistRow> &rows)
{
    AtomicFile(path(settingsFolder)).write(compose(rows));
}
