#include "settings/optionsloader.h"

#include "settings/optionsfile.h"
#include "settings/optionshost.h"
#include "settings/optionsstate.h"
#include "settings/settingslines.h"

OptionsLoader::OptionsLoader(OptionsState &state, OptionsHost &host, QString settingsFolder)
    : m_state(state)
    , m_host(host)
    , m_settingsFolder(std::move(settingsFolder))
{
}

void OptionsLoader::loadOptions()
{
    const auto lines = SettingsLines::readFile(OptionsFile::path(m_settingsFolder));
    if (lines) {
        OptionsFile::Loaded loaded = OptionsFile::readForLoading(*lines, m_state);
        if (loaded.startupIdPresent) {
            const int id = loaded.state.startupStation.id;
            m_state.startupStation.id = id;
            // Only the run's first load starts the start-up station; a later
            // answer (a login, a mirror change) leaves what plays alone.
            if (m_firstLoad)
                m_host.setStationSource(0);
            // Played before the rest is read, as the station's name arrives
            // with line 4; without auto-play no start-up id stays in memory.
            if (loaded.autoPlay && id != 0) {
                if (m_firstLoad)
                    m_host.playStationById(id, 0);
            } else {
                loaded.state.startupStation.id = 0;
            }
        }
        m_state = loaded.state;
        m_state.personalStations = compacted(m_state.personalStations);
        m_host.refreshFavourites();
    }
    m_firstLoad = false;
    m_host.applyLanguage(m_state.languageIndex);
}
