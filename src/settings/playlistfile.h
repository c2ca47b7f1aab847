#pragma once

#include "settings/playlistrow.h"

#include <QByteArray>
#include <QString>

#include <vector>

class SettingsLines;

// "Progrvlm.txt": five lines per entry ("Ora", time key, station id, name,
// label) in grid order; an empty playlist is an empty file. The rows are the
// grid's entry rows, never fewer than one (a blank one for no entries).
class PlaylistFile final
{
public:
    static QString path(const QString &settingsFolder);

    // Records fill the last row; a new row is opened only when the last one
    // has an "Ora", so a record without one is overwritten by the next.
    static std::vector<PlaylistRow> parse(const SettingsLines &lines);
    // Nothing at all when the last row has no "Ora", whatever the rows above hold.
    static QByteArray compose(const std::vector<PlaylistRow> &rows);

    // Load playlist: creates an empty file when there is none.
    static std::vector<PlaylistRow> read(const QString &settingsFolder);
    static void write(const QString &settingsFolder, const std::vector<PlaylistRow> &rows);
};
