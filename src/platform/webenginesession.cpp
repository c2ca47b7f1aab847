#include "webenginesession.h"

#include "chromiumflags.h"

#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// The engine reads its switches once, when its first profile is made. Its own
// media session would be a second player on the desktop, showing the raw
// page title and fighting ours for the media keys.
QWebEngineProfile *firstProfile(QObject *owner)
{
    const QByteArray name = "QTWEBENGINE_CHROMIUM_FLAGS";
    qputenv(name.constData(),
        withFeaturesDisabled(qgetenv(name.constData()),
            { QStringLiteral("HardwareMediaKeyHandling"), QStringLiteral("MediaSessionService") }));
    return new QWebEngineProfile(owner); // off the record: nothing left on disk
}

} // namespace

WebEngineSession::WebEngineSession(QObject *parent)
    : QObject(parent)
    , m_profile(firstProfile(this))
{
    QWebEngineSettings *settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    connect(m_profile, &QWebEngineProfile::downloadRequested, this, &WebEngineSession::onDownloadRequested);
}

WebEngineSession::~WebEngineSession() = default;

void WebEngineSession::savePage(QWebEnginePage *page, const QString &path, SaveDone done)
{
    // A second save of the same page before the first ended reports the first as failed.
    if (SaveDone previous = m_pendingSaves.take(page))
        previous(false);
    m_pendingSaves.insert(page, std::move(done));
    page->save(path, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
}

void WebEngineSession::onDownloadRequested(QWebEngineDownloadRequest *download)
{
    QWebEnginePage *page = download->page();
    if (!download->isSavePageDownload() || !m_pendingSaves.contains(page)) {
        // Pages may not start downloads of their own.
        download->cancel();
        return;
    }
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, download, page] {
        if (!download->isFinished())
            return;
        if (SaveDone done = m_pendingSaves.take(page))
            done(download->state() == QWebEngineDownloadRequest::DownloadCompleted);
    });
    download->accept();
}
