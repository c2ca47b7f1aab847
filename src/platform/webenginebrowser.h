#pragma once

#include "browser.h"
#include "webenginesession.h"

#include <QUrl>
#include <QVariant>

#include <functional>

class QWebEngineLoadingInfo;
class QWebEngineView;

// A visible browser on Qt WebEngine. Reports its loads the way the service
// code expects: a finished load (also a failed one) ends with
// Progress == ProgressMax, and a page that could not be reached shows an
// address that is not a web address.
//
// Its web view is made on first use, inside a black holder that stands in
// its place from the start: a web view is costly to make, and most of the
// program's browsers show nothing until the user opens their window or page.
class WebEngineBrowser final : public Browser
{
    Q_OBJECT
public:
    WebEngineBrowser(WebEngineSession &session, QWidget *parentWidget,
                     WebEngineSession::Group group = WebEngineSession::Group::Pages);
    ~WebEngineBrowser() override;

    void navigate(const QString &address) override;
    void refresh() override;
    bool goBack() override;
    bool goForward() override;

    QString locationUrl() const override;
    QString title() const override;
    bool busy() const override { return m_busy; }
    bool isShown() const override;
    void setShown(bool shown) override;

    bool hasDocument() const override { return m_hasDocument; }
    QString documentProtocol() const override;
    void saveDocument(const QString &path, SaveDone done) override;
    QWidget *widget() override;
    void setAudioPaused(bool paused) override;
    bool audioPlaying() const override { return m_audioPlaying; }

    // Runs a script in the page; `done` gets its result. For checks of what
    // the page does (is its audio playing?), not for the service protocol.
    void runJavaScript(const QString &script, std::function<void(const QVariant &)> done);

    // Starts the page's renderer process now, so that the first navigation
    // finds it running instead of waiting for one. Until that navigation the
    // browser answers, and reports, as one never used.
    void startRenderer();

private:
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    void onTitleChanged(const QString &title);
    // The title as the service code reads it: the whole address until the
    // page names itself.
    QString shownTitle(const QString &engineTitle) const;
    void reportTitle(const QString &title);
    void checkAudio();
    void setAudioState(bool playing);
    // The web view, made now if it is not there yet.
    QWebEngineView &view();

    WebEngineSession &m_session;
    WebEngineSession::Group m_group;
    QWidget *m_holder;
    QWebEngineView *m_view = nullptr;
    bool m_used = false; // navigated, or asked to run a script
    bool m_busy = false;
    bool m_hasDocument = false;
    bool m_failed = false;
    QUrl m_failedUrl;
    QString m_failedTitle;
    QByteArray m_failedSource;
    // Whether this navigation has reported a title yet, and the last one reported.
    bool m_titleReported = false;
    QString m_reportedTitle;
    bool m_audioPlaying = false;
};
