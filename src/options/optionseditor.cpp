#include "options/optionseditor.h"

#include "options/optionssavehost.h"
#include "options/tfrm_gestioneopzioni.h"
#include "platform/autostart.h"
#include "platform/dialogs.h"
#include "service/linerecords.h"
#include "settings/optionsstate.h"

OptionsEditor::OptionsEditor(TFrm_GestioneOpzioni &window, OptionsState &state, OptionsSaveHost &host,
                             Dialogs &dialogs, Autostart *autostart, QString executablePath)
    : m_window(window)
    , m_state(state)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_autostart(autostart)
    , m_executablePath(std::move(executablePath))
{
}

void OptionsEditor::editOptions(int page)
{
    // A file error ends the edit where it happened; what was done stays done.
    try {
        m_host.applyLanguage(m_state.languageIndex);
        m_window.readOptions();
        if (page != -1 && !m_window.runModal(page))
            return;
        save();
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
    }
}

void OptionsEditor::save()
{
    const UploadEntries entries = m_window.writeOptionsFile();
    // The search-at-start flag in memory stays as start-up read it.
    m_host.showSearchWindow(m_window.searchAtStartChecked());
    m_state.messenger = m_window.messengerChecked();
    m_host.sendNowPlaying(m_state.messenger, false);
    m_state.playlist = m_window.playlistChecked();
    m_host.setPlaylistTimer(m_state.playlist);
    m_window.writePlaylist();
    m_host.startUpload(entries);
    applyAutorun();
    m_state.personalStations = compacted(m_state.personalStations);
    m_host.refreshFavourites();
}

// A failed entry is reported and the save goes on: the stations just picked
// must still reach their panel.
void OptionsEditor::applyAutorun()
{
    if (!m_autostart)
        return;
    const std::optional<QString> error =
        m_window.autorunChecked() ? m_autostart->set(m_executablePath) : m_autostart->remove();
    if (error)
        m_dialogs.error(*error);
}
