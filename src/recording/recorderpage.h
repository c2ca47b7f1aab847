#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class AudioRecord;
class AudioRecordModule;
class Dialogs;
class DiskUsagePanel;
class InstallationPanel;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class Shell;

// The second page of the listening area, "Audio Recording": chooses device,
// line, format and preset, records with Rec, Stop and Pause, and shows time,
// levels, the destination and the disk usage. The recording control is made
// on the first visit and lives as long as the page.
class RecorderPage final : public QWidget
{
    Q_OBJECT
public:
    struct Setup
    {
        AudioRecordModule *module; // null: always the installation panel
        Dialogs &dialogs;
        Shell &shell;
        QString installerLink;    // the product site's host + "/AudioRecording.exe", as shown
        QString settingsFolder;   // holds "OpzSVR.txt"
        QString recordingFolder;
    };

    explicit RecorderPage(Setup setup, QWidget *parent = nullptr);
    ~RecorderPage() override;

    // Each time the page becomes the shown one.
    void visit();
    void setRecordingFolder(const QString &folder);

    AudioRecord *control() const { return m_record.get(); }

    QComboBox *cbDevice = nullptr;
    QComboBox *cbSource = nullptr;
    QComboBox *cbFormat = nullptr;
    QComboBox *cbPara = nullptr;
    QToolButton *btnRecord = nullptr;
    QToolButton *btnStop = nullptr;
    QToolButton *btnPause = nullptr;
    QProgressBar *ProgressSX = nullptr;
    QProgressBar *ProgressDX = nullptr;
    QSlider *TB_Volume = nullptr;
    QLabel *Lbl_DurataRegistrazione = nullptr;
    QPushButton *BitBtn11 = nullptr;
    QLabel *Lbl_Folder = nullptr;
    QLabel *Lbl_File = nullptr;
    QTimer *TimerRegistrazione = nullptr;
    DiskUsagePanel *diskUsage = nullptr;
    InstallationPanel *Pnl_InizializzaRecording = nullptr;

Q_SIGNALS:
    // The installation panel asks to run the page change again.
    void pageChangeRequested();

private:
    void buildControls();
    void buildButtons();
    void firstSetup();
    void restoreSettings();
    void saveSettings();
    void fillSources();
    void fillPresets();
    // After a list was refilled: a user's choice selects its first entry and
    // saves; then its selection is passed on.
    void followRefill(QComboBox *refilled, bool restoring, void (AudioRecord::*pass)(int));

    void cbDeviceChange();
    void cbSourceChange();
    void cbFormatChange();
    void cbParaChange();
    void btnRecordClick();
    void btnStopClick();
    void btnPauseClick();
    void TimerRegistrazioneTimer();
    void installationClick();
    void recordingFailed(const QString &message);
    void showIdle();
    // Runs a handler; a failure of the control or the settings file ends it
    // with its message, as the application's error report would.
    void guarded(const std::function<void()> &handler);

    Setup m_setup;
    std::unique_ptr<AudioRecord> m_record;
    bool m_firstVisit = true;
    bool m_restoringDevice = false;
    bool m_restoringSource = false;
    bool m_restoringFormat = false;
    bool m_restoringPreset = false;
};
