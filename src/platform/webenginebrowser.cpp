#include "webenginebrowser.h"

#include "errorpage.h"
#include "sourcefile.h"

#include <QPalette>
#include <QPointer>
#include <QStackedLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

// The scripts run in a world of their own, beside the page's scripts: the
// page can neither see nor replace them. Each answers whether any of the
// page's media sounds, or null for a page without media elements (a player
// in a frame): then the engine's own audible flag tells.
const QString MediaState = QStringLiteral("(() => { const media = [...document.querySelectorAll('audio,video')];"
                                          " return media.length ? media.some(m => !m.paused && !m.ended) : null; })()");

// A paused live stream would keep its connection and resume with stale
// sound: the source is taken away and given back on resume.
const QString PauseMedia
    = QStringLiteral("(() => { for (const m of document.querySelectorAll('audio,video')) {"
                     " if (m.paused) continue; m.pause(); m.dataset.sonvelaPaused = m.getAttribute('src') || '';"
                     " if (m.getAttribute('src')) { m.removeAttribute('src'); m.load(); } } })()");

const QString ResumeMedia
    = QStringLiteral("(() => { const media = [...document.querySelectorAll('audio,video')];"
                     " let ours = media.filter(m => m.dataset.sonvelaPaused !== undefined);"
                     " if (!ours.length) ours = media.slice(0, 1);"
                     " for (const m of ours) { const src = m.dataset.sonvelaPaused; delete m.dataset.sonvelaPaused;"
                     " if (src) m.src = src; m.play().catch(() => {}); } })()");

} // namespace

WebEngineBrowser::WebEngineBrowser(WebEngineSession &session, QWidget *parentWidget, WebEngineSession::Group group)
    : Browser(parentWidget)
    , m_session(session)
    , m_group(group)
    , m_holder(new QWidget(parentWidget))
{
    // As dark as the page's own background: no view yet looks like an empty page.
    m_holder->setAutoFillBackground(true);
    QPalette dark = m_holder->palette();
    dark.setColor(QPalette::Window, Qt::black);
    m_holder->setPalette(dark);
    m_holder->setContextMenuPolicy(Qt::NoContextMenu);
    auto *fill = new QStackedLayout(m_holder);
    fill->setContentsMargins(0, 0, 0, 0);
}

QWebEngineView &WebEngineBrowser::view()
{
    if (m_view)
        return *m_view;
    m_view = new QWebEngineView(m_holder);
    m_view->setPage(new QWebEnginePage(m_session.profile(m_group), m_view));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    QWebEnginePage *page = m_view->page();
    // A dark window: no white flash before a page paints.
    page->setBackgroundColor(Qt::black);
    connect(page, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::onLoadingChanged);
    connect(page, &QWebEnginePage::titleChanged, this, &WebEngineBrowser::onTitleChanged);
    connect(page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest &request) {
        Q_EMIT newWindowRequested(request.requestedUrl().toString());
    });
    connect(page, &QWebEnginePage::recentlyAudibleChanged, this, &WebEngineBrowser::checkAudio);
    connect(page, &QWebEnginePage::loadProgress, this, [this](int percent) {
        if (m_busy && percent < 100)
            Q_EMIT progressChange(percent, 100);
    });
    m_holder->layout()->addWidget(m_view);
    // Focus given to the holder, as to any browser's widget, reaches the page.
    m_holder->setFocusProxy(m_view);
    return *m_view;
}

WebEngineBrowser::~WebEngineBrowser() = default;

void WebEngineBrowser::startRenderer()
{
    view().page()->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld);
}

void WebEngineBrowser::navigate(const QString &address)
{
    m_used = true;
    const QUrl url = QUrl::fromUserInput(address);
    // "About:Blank" and friends: the engine wants the scheme's page in lower case.
    view().setUrl(url.scheme() == QLatin1String("about") ? QUrl(QStringLiteral("about:") + url.path().toLower())
                                                         : url);
}

void WebEngineBrowser::refresh()
{
    // Nothing loaded yet: nothing to load again.
    if (!m_used)
        return;
    if (m_failed && m_failedUrl.isValid())
        m_view->setUrl(m_failedUrl);
    else
        m_view->reload();
}

bool WebEngineBrowser::goBack()
{
    if (!m_used || !m_view->history()->canGoBack())
        return false;
    m_view->back();
    return true;
}

bool WebEngineBrowser::goForward()
{
    if (!m_used || !m_view->history()->canGoForward())
        return false;
    m_view->forward();
    return true;
}

QString WebEngineBrowser::locationUrl() const
{
    if (m_failed)
        return ErrorPage::forFailure(m_failedUrl, QString()).location.toString();
    return m_used ? m_view->url().toString() : QString();
}

QString WebEngineBrowser::title() const
{
    if (m_failed)
        return m_failedTitle;
    return m_used ? m_view->title() : QString();
}

bool WebEngineBrowser::isShown() const
{
    return m_holder->isVisible();
}

void WebEngineBrowser::setShown(bool shown)
{
    m_holder->setVisible(shown);
}

QString WebEngineBrowser::documentProtocol() const
{
    if (!m_hasDocument)
        return QString();
    return QUrl(locationUrl()).scheme() + QLatin1Char(':');
}

void WebEngineBrowser::saveDocument(const QString &path, SaveDone done)
{
    if (!m_hasDocument || m_failed) {
        // A page that could not be reached is captured like any other: its
        // error page, as the exact-source engine keeps it.
        const bool ok = m_hasDocument && writeSourceFile(path, m_failedSource);
        if (done)
            done(ok);
        return;
    }
    // The view outlives this browser (its parent widget owns it), so a save
    // may end after the browser's owner is gone: then nobody is answered.
    m_session.savePage(m_view->page(), path, [self = QPointer<WebEngineBrowser>(this), done = std::move(done)](bool ok) {
        if (self && done)
            done(ok);
    });
}

QWidget *WebEngineBrowser::widget()
{
    return m_holder;
}

void WebEngineBrowser::runJavaScript(const QString &script, std::function<void(const QVariant &)> done)
{
    m_used = true;
    view().page()->runJavaScript(script, [done = std::move(done)](const QVariant &result) { done(result); });
}

void WebEngineBrowser::setAudioPaused(bool paused)
{
    // A browser never used has never played.
    if (!m_used)
        return;
    m_view->page()->runJavaScript(paused ? PauseMedia : ResumeMedia, QWebEngineScript::ApplicationWorld);
    checkAudio();
}

void WebEngineBrowser::checkAudio()
{
    // The empty page a started renderer shows is not the user's.
    if (!m_used)
        return;
    QWebEnginePage *page = m_view->page();
    // The answer comes later; this browser may be gone by then.
    page->runJavaScript(MediaState, QWebEngineScript::ApplicationWorld,
        [self = QPointer<WebEngineBrowser>(this), page](const QVariant &playing) {
            if (self && self->m_view->page() == page)
                self->setAudioState(playing.isNull() ? page->recentlyAudible() : playing.toBool());
        });
}

void WebEngineBrowser::setAudioState(bool playing)
{
    if (playing == m_audioPlaying)
        return;
    m_audioPlaying = playing;
    Q_EMIT audioChange(playing);
}

void WebEngineBrowser::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    if (!m_used)
        return;
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        setAudioState(false);
        m_busy = true;
        m_failed = false;
        m_titleReported = false;
        Q_EMIT progressChange(0, 100);
        return;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        // Replaced by another navigation: that one reports its own end.
        return;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        if (info.errorDomain() != QWebEngineLoadingInfo::HttpStatusCodeDomain) {
            m_failed = true;
            m_failedUrl = info.url();
            const ErrorPage page = ErrorPage::forFailure(info.url(), info.errorString());
            m_failedTitle = page.title;
            m_failedSource = page.source;
            reportTitle(m_failedTitle);
        }
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        break;
    }
    m_busy = false;
    m_hasDocument = true;
    // The engine is silent when a page comes back with the title it had;
    // every finished navigation still reports its title once.
    const QString finalTitle = m_failed ? m_failedTitle : shownTitle(m_view->title());
    if (!m_titleReported || finalTitle != m_reportedTitle)
        reportTitle(finalTitle);
    Q_EMIT progressChange(100, 100);
    checkAudio();
}

void WebEngineBrowser::onTitleChanged(const QString &title)
{
    // The engine's own error page has its own title; ours stands.
    if (m_failed || !m_used)
        return;
    reportTitle(shownTitle(title));
}

QString WebEngineBrowser::shownTitle(const QString &engineTitle) const
{
    // Until a page names itself the engine shows its address without the
    // scheme; the service's title checks expect the whole address then.
    const QString address = m_view->url().toString();
    const QString withoutScheme = address.section(QStringLiteral("://"), 1);
    return !withoutScheme.isEmpty() && engineTitle == withoutScheme ? address : engineTitle;
}

void WebEngineBrowser::reportTitle(const QString &title)
{
    m_titleReported = true;
    m_reportedTitle = title;
    Q_EMIT titleChange(title);
}
