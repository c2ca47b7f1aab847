#pragma once

#include "sonvelastate.h"

#include "options/optionssavehost.h"
#include "options/playlisthost.h"
#include "platform/deployment.h"
#include "platform/systemfolders.h"
#include "service/serviceaccesshost.h"
#include "settings/accounthost.h"
#include "settings/optionshost.h"
#include "settings/settingshost.h"
#include "stations/listeningarea.h"
#include "stations/stationnames.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class AudioRecordModule;
class Autostart;
class Browser;
class BrowserFactory;
class CatalogueController;
class Clock;
class Dialogs;
class WallClock;
class KeyboardRouterFilter;
class MainMenu;
class NowPlaying;
class OptionsEditor;
class OptionsLoader;
class PageCapture;
class PlayerRemote;
class PlaylistTimer;
class ProxyDialogue;
class PreferenceSync;
class ProxySession;
class QLabel;
class QTabWidget;
class RandomSource;
class RecorderPage;
class ReportingShell;
class RightClickFilter;
class ServiceAccess;
class Shell;
class SponsorLinks;
class StationPanels;
class StationPlayer;
class SudokuBoard;
class TFrm_GestioneOpzioni;
class TFrm_GestioneUtente;
class TrayIcon;
class WebSections;
class WindowModes;

// The main window: holds the shared state and composes one part per
// subsystem. Its creation handler runs the start-up sequence.
class TFrm_Sonvela final : public QMainWindow,
                           private ServiceAccessHost,
                           private SettingsHost,
                           private OptionsHost,
                           private OptionsSaveHost,
                           private PlaylistHost,
                           private AccountHost
{
    Q_OBJECT
public:
    struct Platform
    {
        BrowserFactory &browsers;
        Dialogs &dialogs;
        Shell &shell;
        NowPlaying &nowPlaying;
        RandomSource &random;
        ProxySession *proxy; // may be null: no proxy is ever applied
        SystemFolders folders;
        Deployment deployment;
        AudioRecordModule *recording = nullptr; // null: the recorder offers its installation
        Clock *clock = nullptr; // null: the event loop's timers
        const WallClock *wallClock = nullptr; // null: the system's time of day
        Autostart *autostart = nullptr;       // null: the autorun box changes nothing
    };

    explicit TFrm_Sonvela(Platform platform, QWidget *parent = nullptr);
    ~TFrm_Sonvela() override;

    // The start-up sequence; an error shows its message and skips the rest.
    void FormCreate();

    SonvelaState &state() { return m_state; }
    const ListeningArea &listeningArea() const { return m_area; }
    MainMenu &menu() { return *m_menu; }
    TrayIcon &tray() { return *m_tray; }
    StationPanels &panels() { return *m_panels; }
    StationPlayer &player() { return *m_player; }
    SponsorLinks &sponsorLinks() { return *m_sponsor; }
    ServiceAccess &serviceAccess() { return *m_access; }
    WindowModes &windowModes() { return *m_modes; }
    SudokuBoard &sudokuBoard() { return *m_sudoku; }
    RecorderPage &recorder() { return *m_recorder; }
    PreferenceSync &preferenceSync() { return *m_preferences; }
    WebSections &webSections() { return *m_sections; }
    PlaylistTimer &playlistTimer() { return *m_playlistTimer; }
    Browser &WB_Principale() { return *m_area.WB_Principale; }
    Browser &Wb_CaricaPreferenze() { return *m_preferencesBrowser; }
    Browser &Wb_Caricaimpostazioni() { return *m_uploadBrowser; }
    QLabel *Lbl_DescrizioneTasto() const { return m_description; }
    // The platform's shell, saying so when nothing could open an address.
    Shell &shell();

    void applyLanguage(int language) override;
    void playStationById(int id, int source) override;
    // The favourites panel and its tray submenu from the personal stations.
    void refreshFavourites() override;
    // The language menu's handler: apply, then save the options at once.
    void Italiano1Click(int language);
    // Shown when a page of Pnl_Ascolta is shown: its browser, or null.
    Browser *browserOfPage(int page) const;
    // The now-playing notice for the current StationSource.
    void sendNowPlaying(bool playing, bool force) override;
    void setWindowCaption(const QString &caption);
    // Every start shows the window centred on the screen.
    void centreOnScreen();

    // Other windows the language switch reaches once they exist.
    void addLanguageWindow(QWidget *window) { m_languageWindows.push_back(window); }
    // The options and account windows, created after the main window.
    // TimerRadio starts here when the playlist flag in memory is set.
    void setSettingsWindows(TFrm_GestioneOpzioni *options, TFrm_GestioneUtente *account);
    AccountHost &accountHost() { return *this; }
    // Shows or hides the search strip when the options are saved.
    void setSearchStrip(std::function<void(bool shown)> show) { m_showSearchStrip = std::move(show); }
    // Reads the options into the options window, shows it on `page` and saves
    // when the user confirms; page -1 saves at once without showing it.
    void editOptions(int page);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // ServiceAccessHost
    void lightIndicator(int mirror) override;
    void dimIndicator(int mirror) override;
    void requestPreferences() override;
    void requestCatalogue() override;
    bool catalogueMissing() const override;
    void processPendingEvents() override;
    QString hintStationName() const override;
    void setNowPlayingHint(const QString &hint) override;
    void setLoadingLine(const QString &caption, bool shown) override;
    // SettingsHost
    QString serverBase() const override;
    QString userId() const override;
    QString settingsFolder() const override;
    QString tempFolder() const override;
    void loadOptions() override;
    // AccountHost
    UserAccount account() const override;
    void setAccount(const UserAccount &account) override;
    // OptionsHost
    void setStationSource(int source) override;
    // OptionsSaveHost
    void showSearchWindow(bool shown) override;
    void setPlaylistTimer(bool enabled) override;
    void startUpload(const UploadEntries &entries) override;
    // PlaylistHost
    void setPlaylistStationName(const QString &name) override;

    StationNameSources stationNameSources() const;
    void buildWindow();
    void buildPlayerArea(QWidget *parent);
    void buildRightColumn(QWidget *parent);
    void connectMenus();
    void runStartUp();
    void readAccountAndProxy();
    // While no station has come, the loading line names a proxy in trouble.
    void showProxyTrouble();
    void showMirrorDot(int mirror, bool on);
    // The page control's change handling.
    void Pnl_AscoltaChange();

    Platform m_platform;
    std::unique_ptr<Clock> m_ownClock;
    SonvelaState m_state;
    ListeningArea m_area;
    QWidget *m_client = nullptr;
    QWidget *m_pnlRidotto = nullptr;
    QWidget *m_sfondo = nullptr;
    QWidget *m_panel2 = nullptr;
    QWidget *m_pnlSponsorAgg = nullptr;
    QLabel *m_description = nullptr;
    std::array<QLabel *, 7> m_dots{};
    QLabel *m_dotOn = nullptr;
    QLabel *m_dotOff = nullptr;
    Browser *m_preferencesBrowser = nullptr;
    Browser *m_uploadBrowser = nullptr;
    std::array<Browser *, 8> m_sectionBrowsers{}; // pages 2..7
    SudokuBoard *m_sudoku = nullptr;
    QString m_windowHint;
    RecorderPage *m_recorder = nullptr;
    std::vector<QWidget *> m_languageWindows;
    TFrm_GestioneOpzioni *m_optionsWindow = nullptr;
    TFrm_GestioneUtente *m_accountWindow = nullptr;
    std::function<void(bool)> m_showSearchStrip;

    MainMenu *m_menu = nullptr;
    TrayIcon *m_tray = nullptr;
    StationPanels *m_panels = nullptr;
    QString m_troubledProxy; // empty: no proxy in trouble
    std::unique_ptr<PageCapture> m_capture;
    std::unique_ptr<ReportingShell> m_shell;
    ServiceAccess *m_access = nullptr;
    StationPlayer *m_player = nullptr;
    PlayerRemote *m_remote = nullptr;
    CatalogueController *m_catalogue = nullptr;
    SponsorLinks *m_sponsor = nullptr;
    WindowModes *m_modes = nullptr;
    WebSections *m_sections = nullptr;
    PreferenceSync *m_preferences = nullptr;
    std::unique_ptr<OptionsLoader> m_optionsLoader;
    std::unique_ptr<OptionsEditor> m_optionsEditor;
    std::unique_ptr<ProxyDialogue> m_proxyDialogue;
    PlaylistTimer *m_playlistTimer = nullptr;
    RightClickFilter *m_rightClick = nullptr;
    KeyboardRouterFilter *m_keyboard = nullptr;
};
