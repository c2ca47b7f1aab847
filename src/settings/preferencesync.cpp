#include "settings/preferencesync.h"

#include "platform/browser.h"
#include "platform/dialogs.h"
#include "service/linerecords.h"
#include "settings/accountrequests.h"
#include "settings/atomicfile.h"
#include "settings/optionsfile.h"
#include "settings/settingshost.h"

#include <QPointer>

namespace {

constexpr int ChunkInterval = 10;

QString capturePath(const SettingsHost &host) { return host.tempFolder() + QStringLiteral("OpTSV.txt"); }

} // namespace

PreferenceSync::PreferenceSync(
    Browser &preferences, Browser &upload, Dialogs &dialogs, SettingsHost &host, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_upload(upload)
    , m_dialogs(dialogs)
    , m_host(host)
{
    m_timer.setObjectName(QStringLiteral("Timer_SalvaImpostazioni"));
    m_timer.setInterval(ChunkInterval);
    connect(&m_timer, &QTimer::timeout, this, &PreferenceSync::Timer_SalvaImpostazioniTimer);
    connect(&m_preferences, &Browser::progressChange, this, &PreferenceSync::Wb_CaricaPreferenzeProgressChange);
    connect(&m_upload, &Browser::progressChange, this, &PreferenceSync::Wb_CaricaimpostazioniProgressChange);
}

void PreferenceSync::requestPreferences()
{
    m_latch = false;
    ++m_request;
    m_requestUserId = m_host.userId();
    m_preferences.navigate(AccountRequests::preferences(m_host.serverBase(), m_requestUserId));
}

void PreferenceSync::Wb_CaricaPreferenzeProgressChange(int progress, int progressMax)
{
    if (progress != progressMax || m_latch)
        return;
    m_latch = true;
    if (!m_preferences.hasDocument())
        return;
    // Emptied first: whatever happens to the save, an earlier answer is
    // never read again as this one.
    try {
        writeWholeFile(capturePath(m_host), QByteArray());
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
        return;
    }
    const quint64 request = m_request;
    // A page no mirror served (refused, unreachable) is captured like any
    // other, but it holds nobody's options.
    const bool served = m_preferences.documentProtocol().startsWith(QLatin1String("http"));
    QPointer<PreferenceSync> self(this);
    m_preferences.saveDocument(capturePath(m_host), [self, request, served](bool saved) {
        if (self)
            self->takeCapture(request, saved && served, saved);
    });
}

void PreferenceSync::takeCapture(quint64 request, bool answered, bool saved)
{
    if (request != m_request)
        return;
    if (!saved)
        m_dialogs.message(QStringLiteral("SaveAs HTML fail!"));
    try {
        // Without an answer the local file stays as it is and is loaded.
        if (answered && !m_requestUserId.isEmpty())
            writeOptions();
        m_host.loadOptions();
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
    }
}

void PreferenceSync::writeOptions()
{
    const QByteArray capture = readWholeFile(capturePath(m_host));
    AtomicFile(OptionsFile::path(m_host.settingsFolder())).write(normaliseCapture(capture, true));
}

void PreferenceSync::startUpload(const UploadEntries &entries)
{
    m_chunker.start(entries);
    if (!m_host.userId().isEmpty())
        m_timer.start();
}

void PreferenceSync::Timer_SalvaImpostazioniTimer()
{
    m_timer.stop();
    if (!m_chunker.pending())
        return;
    const UploadChunker::Chunk chunk = m_chunker.take();
    m_upload.navigate(UploadChunker::requestAddress(m_host.serverBase(), m_host.userId(), chunk));
}

void PreferenceSync::Wb_CaricaimpostazioniProgressChange(int progress, int progressMax)
{
    if (progress != progressMax)
        return;
    // A chunk no mirror took (refused, timed out) ends the upload: the next
    // ones would land on the wrong lines of the server's copy.
    if (!m_upload.documentProtocol().startsWith(QLatin1String("http"))) {
        m_chunker.stop();
        return;
    }
    if (!m_host.userId().isEmpty() && m_chunker.pending() && !m_timer.isActive())
        m_timer.start();
}
