#include "webenginesession.h"

#include "chromiumflags.h"

#include <QFileInfo>
#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// The engine reads its switches once, when its first profile is made. Its own
// media session would be a second player on the desktop, showing the raw
// page title and fighting ours for the media keys. Its audio runs in its main
// process: an audio process of its own is launched only when the station
// first plays, which delayed the first sound by about half a second.
QWebEngineProfile *firstProfile(QObject *owner)
{
    const QByteArray name = "QTWEBENGINE_CHROMIUM_FLAGS";
    const QByteArray flags = withFeaturesDisabled(qgetenv(name.constData()),
        { QStringLiteral("HardwareMediaKeyHandling"), QStringLiteral("MediaSessionService"),
            QStringLiteral("AudioServiceOutOfProcess") });
    // The sound goes out in blocks of 2048 frames, not the sound server's
    // usual few hundred: a quarter of the wake-ups of the page, the engine's
    // audio thread and the server's connection, for as long as a station
    // plays; a radio does not need the lower latency.
    qputenv(name.constData(),
            withSwitch(withProcessModel(flags, "--process-per-site"), "--audio-buffer-size", "2048"));
    return new QWebEngineProfile(owner); // off the record: nothing left on disk
}

} // namespace

WebEngineSession::WebEngineSession(QObject *parent)
    : QObject(parent)
    , m_pages(firstProfile(this))
    , m_player(new QWebEngineProfile(this)) // another browsing context: another renderer
{
    configure(m_pages);
    configure(m_player);
}

WebEngineSession::~WebEngineSession() = default;

QWebEngineProfile *WebEngineSession::profile(Group group) const
{
    return group == Group::Player ? m_player : m_pages;
}

void WebEngineSession::configure(QWebEngineProfile *profile)
{
    QWebEngineSettings *settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    connect(profile, &QWebEngineProfile::downloadRequested, this, &WebEngineSession::onDownloadRequested);
}

void WebEngineSession::savePage(QWebEnginePage *page, const QString &path, SaveDone done)
{
    // A second save of the same page before the first ended reports the first as failed.
    if (SaveDone previous = m_pendingSaves.take(page))
        previous(false);
    m_pendingSaves.insert(page, std::move(done));
    // The answer belongs to the page's owner, who goes with the page: a save
    // still running then is forgotten, never answered into freed memory.
    connect(page, &QObject::destroyed, this, &WebEngineSession::forgetPage, Qt::UniqueConnection);
    page->save(path, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
}

void WebEngineSession::forgetPage(QObject *page)
{
    m_pendingSaves.remove(static_cast<QWebEnginePage *>(page));
}

void WebEngineSession::onDownloadRequested(QWebEngineDownloadRequest *download)
{
    QWebEnginePage *page = download->page();
    if (!download->isSavePageDownload() || !m_pendingSaves.contains(page)) {
        // Pages may not start downloads of their own.
        download->cancel();
        return;
    }
    // A page made later at the same address must not take this answer.
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
            [this, download, page = QPointer<QWebEnginePage>(page)] {
        if (!download->isFinished() || !page)
            return;
        if (SaveDone done = m_pendingSaves.take(page.data()))
            done(download->state() == QWebEngineDownloadRequest::DownloadCompleted);
    });
    download->accept();
}
