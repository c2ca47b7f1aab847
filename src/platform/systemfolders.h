#pragma once

#include <QString>

class QProcessEnvironment;

// Where the client keeps its files on Linux. Every folder ends in "/" so that
// file names can be appended directly, as the capture and settings code does.
class SystemFolders
{
public:
    SystemFolders(QString settingsFolder, QString tempFolder, QString recordingRoot);

    // $XDG_CONFIG_HOME/Sonvela/ (default ~/.config/Sonvela/), $TMPDIR or /tmp,
    // and $HOME/Sonvela/ for recordings.
    static SystemFolders fromEnvironment(const QProcessEnvironment &environment);

    const QString &settingsFolder() const { return m_settings; }
    const QString &tempFolder() const { return m_temp; }
    const QString &recordingRoot() const { return m_recordingRoot; }
    QString recordingFolder() const { return m_recordingRoot + QStringLiteral("RecordingFile"); }

    // Creates the settings folder when missing; false when that failed or
    // the folder cannot be written.
    bool ensureSettingsFolder() const;

private:
    QString m_settings;
    QString m_temp;
    QString m_recordingRoot;
};
