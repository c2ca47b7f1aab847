#pragma once

#include "settings/uploadchunker.h"
#include "settings/uploadentries.h"

#include <QObject>
#include <QTimer>

class Browser;
class Dialogs;
class SettingsHost;

// The server's copy of the options: downloads it into "OpzSV.txt" through
// the hidden preferences browser and sends saved options back in chunks
// through the upload browser, one chunk per completed page.
class PreferenceSync final : public QObject
{
    Q_OBJECT
public:
    PreferenceSync(
        Browser &preferences, Browser &upload, Dialogs &dialogs, SettingsHost &host, QObject *parent = nullptr);

    // Clears the latch, then loads the user's preference page. The page is
    // asked for even without a user id, but its answer then holds nobody's
    // options: the local file is kept and loaded as it is.
    void requestPreferences();
    // A fresh upload from entry 1; it leaves only while a user id is stored.
    void startUpload(const UploadEntries &entries);

    bool preferencesLatch() const { return m_latch; }
    const UploadChunker &upload() const { return m_chunker; }
    QTimer &Timer_SalvaImpostazioni() { return m_timer; }

public Q_SLOTS:
    // Take preference answer.
    void Wb_CaricaPreferenzeProgressChange(int progress, int progressMax);
    // Send next chunk.
    void Timer_SalvaImpostazioniTimer();
    // Upload page completed.
    void Wb_CaricaimpostazioniProgressChange(int progress, int progressMax);

private:
    // `answered`: a mirror served the page and its capture was saved.
    void takeCapture(quint64 request, bool answered, bool saved);
    void writeOptions();

    Browser &m_preferences;
    Browser &m_upload;
    Dialogs &m_dialogs;
    SettingsHost &m_host;
    QTimer m_timer;
    UploadChunker m_chunker;
    bool m_latch = false;
    // Counts preference requests, so that a capture finishing after a newer
    // request was sent does not overwrite the newer answer.
    quint64 m_request = 0;
    QString m_requestUserId;
};
