#pragma once

#include "settings/playlistrow.h"

#include <QString>

#include <vector>

// The playlist's entry rows as the two grids hold them: never fewer than
// one, a blank row standing for no entries.
namespace PlaylistEntries {

// The row a new entry fills: the last one when its "Ora" is empty, else a
// row added at the end.
PlaylistRow &rowForNewEntry(std::vector<PlaylistRow> &rows);
// The entry's cells go, the following rows move up; the only entry leaves a
// blank row.
void remove(std::vector<PlaylistRow> &rows, int index);
// Exchange sort on the time key compared as text, so an empty key sorts
// first and "095" after "0930".
void sort(std::vector<PlaylistRow> &rows);
// The rows whose key equals the clock's key, in row order.
std::vector<PlaylistRow> due(const std::vector<PlaylistRow> &rows, const QString &clockKey);

} // namespace PlaylistEntries
