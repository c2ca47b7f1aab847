#include "options/stationpick.h"

#include "settings/settingslines.h"

namespace {

constexpr int IdLine = 39;
constexpr int NameLine = 41;
constexpr int LabelLine = 43;

} // namespace

StationPick StationPick::read(bool saved, const QString &title, const QString &selectionTitle,
                              const QByteArray &capture)
{
    StationPick pick;
    if (!saved)
        return pick;
    if (title != selectionTitle) {
        pick.result = Result::NoPick;
        return pick;
    }
    const SettingsLines lines(capture);
    pick.result = Result::Picked;
    pick.id = lines.integer(IdLine, 0);
    pick.name = lines.text(NameLine);
    pick.label = lines.text(LabelLine);
    return pick;
}
