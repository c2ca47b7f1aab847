#pragma once

#include "settings/optionsrecord.h"
#include "settings/optionsstate.h"
#include "settings/uploadentries.h"

#include <QString>
#include <QStringList>

#include <optional>

class SettingsLines;

// "OpzSV.txt": 53 lines, one value each.
//   1 autorun, 2 auto-play, 3-4 start-up station id and name,
//   5-19 slots 1-5 (id, name, label), 20-22 search-at-start, messenger and
//   playlist flags, 23-52 slots 6-15, 53 language.
// Start-up and the options window read it with different rules for missing
// lines, so there is one reader for each.
class OptionsFile final
{
public:
    static constexpr int LineCount = 53;
    static constexpr int MaxUploadEntry = 200;

    static QString path(const QString &settingsFolder);
    // The line of a slot's id (1..15); name and label follow it.
    static int slotLine(int slot);

    struct Loaded
    {
        // The values after reading, the start-up station id included as read.
        OptionsState state;
        bool autoPlay = false;
        bool startupIdPresent = false;
    };
    // Load options: lines 2 onwards over `current`. The start-up name is
    // cleared before line 4; the three flags and the language take their
    // defaults when missing; a language outside 1..4 is Italian, since only
    // those have interface texts.
    static Loaded readForLoading(const SettingsLines &lines, OptionsState current);

    struct Edited
    {
        // Only the start-up station id and the slots change.
        OptionsState state;
        std::optional<bool> autorun;
        std::optional<bool> autoPlay;
        std::optional<bool> searchAtStart;
        std::optional<bool> messenger;
        std::optional<bool> playlist;
    };
    // Edit options: reading stops at the first missing line; a flag takes its
    // default only when the file ends exactly before its own line.
    static Edited readForEditing(const SettingsLines &lines, OptionsState current);

    static QStringList compose(const OptionsRecord &record);
    static UploadEntries uploadEntries(const QStringList &lines);
    // Replaces the file; returns the upload entries of what was written.
    static UploadEntries write(const QString &settingsFolder, const OptionsRecord &record);

    static int languageFromFile(const SettingsLines &lines);
};
