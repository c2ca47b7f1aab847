// The playlist entries as the grids hold them: rows read from
// "Progrvlm.txt", then added to, removed, sorted and matched against clocks
// as the bytes after the file say. The grid never runs empty, sorting keeps
// the same rows in key order, and the due rows are exactly those whose key
// is the clock's.
#include "fuzzinput.h"

#include "options/playlistentries.h"
#include "options/typedtime.h"
#include "settings/playlistfile.h"
#include "settings/settingslines.h"

#include <algorithm>

namespace {

bool keyBefore(const PlaylistRow &a, const PlaylistRow &b) { return a.key.toUtf8() < b.key.toUtf8(); }

std::vector<PlaylistRow> byKeyAndContent(std::vector<PlaylistRow> rows)
{
    std::sort(rows.begin(), rows.end(), [](const PlaylistRow &a, const PlaylistRow &b) {
        return std::tie(a.key, a.time, a.stationId, a.stationName, a.stationLabel)
             < std::tie(b.key, b.time, b.stationId, b.stationName, b.stationLabel);
    });
    return rows;
}

void checkSort(std::vector<PlaylistRow> &rows)
{
    const std::vector<PlaylistRow> before = rows;
    PlaylistEntries::sort(rows);
    fuzzCheck(std::is_sorted(rows.begin(), rows.end(), keyBefore), "sorted rows are in key order");
    fuzzCheck(byKeyAndContent(rows) == byKeyAndContent(before), "sorting keeps every row");
}

void checkDue(const std::vector<PlaylistRow> &rows, int hour, int minute)
{
    const QString clock = TypedTime::clockKey(hour, minute);
    const std::vector<PlaylistRow> due = PlaylistEntries::due(rows, clock);
    const auto expected = std::count_if(rows.begin(), rows.end(), [&](const PlaylistRow &r) { return r.key == clock; });
    fuzzCheck(static_cast<long>(due.size()) == expected, "every row of the clock's key is due");
    fuzzCheck(std::all_of(due.begin(), due.end(), [&](const PlaylistRow &r) { return r.key == clock; }),
              "only the clock's rows are due");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The file, then one byte per step after a NUL, which no settings line
    // holds. The reader has a target of its own; a few dozen rows are enough
    // here, and the sort's square cost on thousands would slow every run.
    const QByteArray bytes = fuzzBytes(data, size);
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray file = (split < 0 ? bytes : bytes.left(split)).left(512);
    const QByteArray steps = split < 0 ? QByteArray() : bytes.mid(split + 1, 24);

    std::vector<PlaylistRow> rows = PlaylistFile::parse(SettingsLines(file));
    for (const char step : steps) {
        const auto value = static_cast<unsigned char>(step);
        switch (value % 4) {
        case 0: {
            const std::size_t before = rows.size();
            PlaylistRow &row = PlaylistEntries::rowForNewEntry(rows);
            fuzzCheck(row.time.isEmpty() && &row == &rows.back(), "a new entry fills the last, empty row");
            fuzzCheck(rows.size() - before <= 1, "a new entry adds at most a row");
            row.time = QStringLiteral("%1.%2").arg(value / 10 % 24).arg(value % 60);
            row.key = TypedTime::key(row.time);
            break;
        }
        case 1: {
            const std::size_t before = rows.size();
            PlaylistEntries::remove(rows, static_cast<int>(value / 4) - 2);
            fuzzCheck(rows.size() == before || rows.size() + 1 == before || before == 1, "a removal takes one row");
            break;
        }
        case 2:
            checkSort(rows);
            break;
        default:
            checkDue(rows, value / 4 % 24, value % 60);
            break;
        }
        fuzzCheck(!rows.empty(), "the grid keeps a row");
    }
    return 0;
}
