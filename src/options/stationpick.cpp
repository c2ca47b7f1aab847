#include "options/stationpick.h"

#include "platform/pagetext.h"
#include "service/linerecords.h"
#include "settings/settingslines.h"

namespace {

constexpr std::size_t IdLine = 39;
constexpr std::size_t NameLine = 41;
constexpr std::size_t LabelLine = 43;

QString lineText(const std::vector<QByteArray> &lines, std::size_t n)
{
    return n <= lines.size() ? decodePageText(lines[n - 1]) : QString();
}

} // namespace

StationPick StationPick::read(bool saved, const QString &title, const QString &selectionTitle,
                              const std::function<QByteArray()> &capture)
{
    StationPick pick;
    if (!saved)
        return pick;
    if (title != selectionTitle) {
        pick.result = Result::NoPick;
        return pick;
    }
    std::vector<QByteArray> lines;
    try {
        lines = readRecords(capture());
    } catch (const FileError &error) {
        pick.result = Result::Unreadable;
        pick.error = error.message();
        return pick;
    }
    pick.result = Result::Picked;
    pick.id = SettingsLines::toInteger(lineText(lines, IdLine), 0);
    pick.name = lineText(lines, NameLine);
    pick.label = lineText(lines, LabelLine);
    return pick;
}
