#include "webenginesession.h"

#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

WebEngineSession::WebEngineSession(QObject *parent)
    : QObject(parent)
    , m_profile(new QWebEngineProfile(this)) // off the record: nothing left on disk
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
