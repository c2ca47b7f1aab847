#pragma once

#include "options/stationpick.h"
#include "options/timeformat.h"
#include "settings/playlistrow.h"
#include "settings/uploadentries.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class Dialogs;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class StationSelection;
struct OptionsState;
struct StationPick;

// The options window "Opzioni Sonvela": start-up options, personal stations
// and the playlist. This class holds the controls the settings files fill and
// the reading and saving of those files ("edit options"), and the handlers of
// its buttons and grid; OptionsEditor runs the save and its effects.
//
// The playlist grids keep their header in the table header, so entry row r
// of the design is table row r - 1; both grids always hold at least one row.
class TFrm_GestioneOpzioni final : public QDialog
{
    Q_OBJECT
public:
    static constexpr int SlotCount = 15;

    // `state` is the main window's; the start-up station's name goes into
    // Lbl_NomeRadio once, here.
    TFrm_GestioneOpzioni(OptionsState &state, QString settingsFolder, Dialogs &dialogs, QWidget *parent = nullptr);

    // "Cambia" and "Seleziona" pick in `personal`, the playlist in
    // `programmed`; both are created after this window.
    void setSelectionWindows(StationSelection *personal, StationSelection *programmed);
    // How typed playlist times are read and shown; the system's by default.
    void setTimeFormat(const TimeFormat &format) { m_timeFormat = format; }

    // Edit options, reading half after the language: "OpzSV.txt" into the
    // controls and the main window's start-up id and slots (an empty file is
    // created when there is none), the slot names, the playlist, and the
    // pending start-up pick back to 0. Throws FileError.
    void readOptions();
    // Load playlist: both grids from "Progrvlm.txt", created empty when absent.
    void loadPlaylist();
    // Edit options, saving half: "OpzSV.txt" with the start-up pick and
    // caption taken over; returns the upload entries. Throws FileError, the
    // old file then left whole.
    UploadEntries writeOptionsFile();
    // Write playlist: "Progrvlm.txt" from the grids. Throws FileError.
    void writePlaylist();

    // Shows the window modally on tab `page` (0..2); true when it was left
    // with "Salva ed esci".
    bool runModal(int page);

    // The start-up station picked with "Seleziona" since the window was
    // loaded; 0 for none.
    int pendingStartupPick() const { return m_pendingStartupPick; }
    void setPendingStartupPick(int id) { m_pendingStartupPick = id; }

    // The boxes whose effects the save has the main window apply.
    bool autorunChecked() const;
    bool autoPlayChecked() const;
    // Lbl_NomeRadio: the start-up station's name as the window shows it.
    QString startupStationCaption() const;
    bool searchAtStartChecked() const;
    bool messengerChecked() const;
    bool playlistChecked() const;

    std::vector<PlaylistRow> playlistRows() const;
    void setPlaylistRows(const std::vector<PlaylistRow> &rows);

    // "Cambia" on slot n: the station picked goes into the slot at once.
    void BitBtn3Click(int slot);
    // "Cancella" on slot n, without confirmation.
    void BitBtn8Click(int slot);
    // "Seleziona": the start-up station, taken over by the next save.
    void SpeedButton1Click();
    // "Cancella emittente" on the current row.
    void BitBtn13Click();
    // "Aggiungi emittente".
    void BitBtn14Click();
    // Changes the time or the station of the row, by the column clicked.
    void StrGrd_TimerTmpDblClick(int row, int column);

private:
    // Typed time: "Ora" and key into `row`; false (and a message) otherwise.
    bool readTypedTime(const QString &defaultText, PlaylistRow &row);
    // Playlist pick: false when the row must stay as it is.
    bool pickPlaylistStation(PlaylistRow &row);
    StationPick pick(StationSelection *selection);
    // "Cambia" and "Seleziona": the pick, or nothing after telling why.
    std::optional<StationPick> pickPersonal();
    int currentEntryRow() const;
    QWidget *buildStartupPage();
    QWidget *buildStationsPage();
    QWidget *buildPlaylistPage();
    QPushButton *button(const QString &name, const QString &caption);
    QLabel *label(const QString &name, const QString &caption);
    QCheckBox *checkBox(const QString &name, bool checked);
    void showStartupStation(bool shown);

    OptionsState &m_state;
    QString m_settingsFolder;
    Dialogs &m_dialogs;
    StationSelection *m_personal = nullptr;
    StationSelection *m_programmed = nullptr;
    TimeFormat m_timeFormat = TimeFormat::system();
    int m_pendingStartupPick = 0;

    QTabWidget *m_pages = nullptr;
    QCheckBox *m_autorun = nullptr;
    QCheckBox *m_autoPlay = nullptr;
    QCheckBox *m_search = nullptr;
    QCheckBox *m_messenger = nullptr;
    QCheckBox *m_playlist = nullptr;
    QLabel *m_startupName = nullptr;
    QPushButton *m_select = nullptr;
    std::array<QLabel *, SlotCount> m_stationNames {};
    QTableWidget *m_timerShown = nullptr;
    QTableWidget *m_timerHidden = nullptr;
};
