#pragma once

#include "settings/playlistrow.h"
#include "settings/uploadentries.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
struct OptionsState;

// The options window "Opzioni Sonvela": start-up options, personal stations
// and the playlist. This class holds the controls the settings files fill and
// the reading and saving of those files ("edit options"); the main window
// applies the language first and acts on the save (upload, autorun, panels).
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
    TFrm_GestioneOpzioni(OptionsState &state, QString settingsFolder, QWidget *parent = nullptr);

    // Apply language, step 4: the captions that follow the language.
    void applyTexts(const std::function<QString(int)> &text);

    // Edit options, reading half after the language: "OpzSV.txt" into the
    // controls and the main window's start-up id and slots (an empty file is
    // created when there is none), the slot names, the playlist, and the
    // pending start-up pick back to 0. Throws FileError.
    void readOptions();
    // Load playlist: both grids from "Progrvlm.txt", created empty when absent.
    void loadPlaylist();
    // Edit options, saving half: writes "OpzSV.txt" and "Progrvlm.txt" and
    // returns the upload entries. Throws FileError; a file already replaced
    // stays replaced, the other keeps its old content.
    UploadEntries saveOptions();

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

private:
    QWidget *buildStartupPage();
    QWidget *buildStationsPage();
    QWidget *buildPlaylistPage();
    QPushButton *button(const QString &name, const QString &caption, bool enabled);
    QLabel *label(const QString &name, const QString &caption);
    QCheckBox *checkBox(const QString &name, bool checked);
    void showStartupStation(bool shown);

    OptionsState &m_state;
    QString m_settingsFolder;
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
