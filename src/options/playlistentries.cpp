#include "options/playlistentries.h"

#include <utility>

namespace PlaylistEntries {

PlaylistRow &rowForNewEntry(std::vector<PlaylistRow> &rows)
{
    if (rows.empty() || !rows.back().time.isEmpty())
        rows.emplace_back();
    return rows.back();
}

void remove(std::vector<PlaylistRow> &rows, int index)
{
    if (index >= 0 && index < static_cast<int>(rows.size()))
        rows.erase(rows.begin() + index);
    if (rows.empty())
        rows.emplace_back();
}

void sort(std::vector<PlaylistRow> &rows)
{
    // Each key against every other, swapping when the earlier row's key is
    // smaller; the order this leaves among equal keys is the one users know.
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (rows[i].key.toUtf8() < rows[j].key.toUtf8())
                std::swap(rows[i], rows[j]);
        }
    }
}

std::vector<PlaylistRow> due(const std::vector<PlaylistRow> &rows, const QString &clockKey)
{
    std::vector<PlaylistRow> matching;
    for (const PlaylistRow &row : rows) {
        if (row.key == clockKey)
            matching.push_back(row);
    }
    return matching;
}

} // namespace PlaylistEntries
