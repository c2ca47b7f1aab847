#include "settings/optionsfile.h"

#include "settings/atomicfile.h"
#include "settings/settingslines.h"

namespace {

constexpr int SearchLine = 20;
constexpr int MessengerLine = 21;
constexpr int PlaylistLine = 22;
constexpr int LanguageLine = 53;
constexpr int LanguageCount = 4;

// Each line of the slot only while the file has not ended; a missing line
// leaves its value as it was.
void readSlot(const SettingsLines &lines, int slot, PersonalStation &station)
{
    const int first = OptionsFile::slotLine(slot);
    if (lines.has(first))
        station.id = lines.integer(first, 0);
    if (lines.has(first + 1))
        station.name = lines.text(first + 1);
    if (lines.has(first + 2))
        station.label = lines.text(first + 2);
}

void readSlots(const SettingsLines &lines, int from, int to, PersonalStations &stations)
{
    for (int slot = from; slot <= to; ++slot)
        readSlot(lines, slot, stations[slot - 1]);
}

// Edit options' rule: the default only when the file ends just before the line.
std::optional<bool> editFlag(const SettingsLines &lines, int line, bool fallback)
{
    if (lines.has(line))
        return lines.flag(line);
    if (lines.count() == line - 1)
        return fallback;
    return std::nullopt;
}

void appendSlots(QStringList &out, const PersonalStations &stations, int from, int to)
{
    for (int slot = from; slot <= to; ++slot) {
        const PersonalStation &station = stations[slot - 1];
        out << QString::number(station.id) << station.name << station.label;
    }
}

// Cut as written (CR dropped), without splitting a surrogate pair.
QString cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

QString OptionsFile::path(const QString &settingsFolder) { return settingsFolder + QStringLiteral("OpzSV.txt"); }

int OptionsFile::slotLine(int slot) { return slot <= 5 ? 5 + 3 * (slot - 1) : 23 + 3 * (slot - 6); }

int OptionsFile::languageFromFile(const SettingsLines &lines)
{
    const int language = lines.integer(LanguageLine, 1);
    return language >= 1 && language <= LanguageCount ? language : 1;
}

OptionsFile::Loaded OptionsFile::readForLoading(const SettingsLines &lines, OptionsState current)
{
    Loaded loaded;
    loaded.state = std::move(current);
    OptionsState &state = loaded.state;
    loaded.autoPlay = lines.flag(2);
    loaded.startupIdPresent = lines.has(3);
    if (loaded.startupIdPresent)
        state.startupStation.id = lines.integer(3, 0);
    state.startupStation.name = lines.text(4);
    readSlots(lines, 1, 5, state.personalStations);
    state.searchAtStart = lines.has(SearchLine) ? lines.flag(SearchLine) : true;
    state.messenger = lines.has(MessengerLine) ? lines.flag(MessengerLine) : true;
    state.playlist = lines.has(PlaylistLine) ? lines.flag(PlaylistLine) : false;
    readSlots(lines, 6, 15, state.personalStations);
    state.languageIndex = languageFromFile(lines);
    return loaded;
}

OptionsFile::Edited OptionsFile::readForEditing(const SettingsLines &lines, OptionsState current)
{
    Edited edited;
    edited.state = std::move(current);
    if (lines.has(1))
        edited.autorun = lines.flag(1);
    if (lines.has(2))
        edited.autoPlay = lines.flag(2);
    if (lines.has(3))
        edited.state.startupStation.id = lines.integer(3, 0);
    readSlots(lines, 1, 5, edited.state.personalStations);
    // A file that ends inside slots 1 to 5 leaves the three boxes untouched.
    edited.searchAtStart = editFlag(lines, SearchLine, true);
    if (lines.has(SearchLine))
        edited.messenger = editFlag(lines, MessengerLine, true);
    if (lines.has(MessengerLine))
        edited.playlist = editFlag(lines, PlaylistLine, false);
    readSlots(lines, 6, 15, edited.state.personalStations);
    return edited;
}

QStringList OptionsFile::compose(const OptionsRecord &record)
{
    QStringList out;
    out << SettingsLines::flagText(record.autorun) << SettingsLines::flagText(record.autoPlay)
        << QString::number(record.startupStation.id) << record.startupStation.name;
    appendSlots(out, record.personalStations, 1, 5);
    out << SettingsLines::flagText(record.searchAtStart) << SettingsLines::flagText(record.messenger)
        << SettingsLines::flagText(record.playlist);
    appendSlots(out, record.personalStations, 6, 15);
    out << QString::number(record.languageIndex);
    return out;
}

UploadEntries OptionsFile::uploadEntries(const QStringList &lines)
{
    UploadEntries entries;
    entries.reserve(lines.size());
    for (QString line : lines)
        entries << cut(line.remove(QLatin1Char(13)), MaxUploadEntry);
    return entries;
}

UploadEntries OptionsFile::write(const QString &settingsFolder, const OptionsRecord &record)
{
    const QStringList lines = compose(record);
    AtomicFile(path(settingsFolder)).write(SettingsLines::compose(lines));
    return uploadEntries(lines);
}
