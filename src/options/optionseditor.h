#pragma once

#include <QString>

class Autostart;
class Dialogs;
class OptionsSaveHost;
class TFrm_GestioneOpzioni;
struct OptionsState;

// Edit options: loads the options window, shows it on a tab and, when the
// user leaves with "Salva ed esci", saves and applies what it holds.
class OptionsEditor final
{
public:
    // `autostart` may be null: the autorun box then changes nothing.
    OptionsEditor(TFrm_GestioneOpzioni &window, OptionsState &state, OptionsSaveHost &host, Dialogs &dialogs,
                  Autostart *autostart, QString executablePath);

    // page 0..2 shows that tab; -1 saves at once without showing the window.
    void editOptions(int page);

private:
    void save();
    void applyAutorun();

    TFrm_GestioneOpzioni &m_window;
    OptionsState &m_state;
    OptionsSaveHost &m_host;
    Dialogs &m_dialogs;
    Autostart *m_autostart;
    QString m_executablePath;
};
