#pragma once

#include <QString>

class OptionsHost;
struct OptionsState;

// Load options: "OpzSV.txt" into the main window at start-up (no stored
// user) and after every preference answer. Only the first load of the run
// plays the start-up station.
class OptionsLoader final
{
public:
    OptionsLoader(OptionsState &state, OptionsHost &host, QString settingsFolder);

    // Throws FileError when the file exists but cannot be read; nothing has
    // changed then.
    void loadOptions();

private:
    OptionsState &m_state;
    OptionsHost &m_host;
    QString m_settingsFolder;
    bool m_firstLoad = true;
};
