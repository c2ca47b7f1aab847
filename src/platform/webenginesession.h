#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

// The web profiles the visible browsers share: autoplay allowed, no
// persistent cache of their own, and page saves routed back to the page that
// asked for them.
//
// All pages of one site share one renderer process, which saves the engine
// starting a renderer for each of the many service pages loaded at start.
// The station player has a profile, and so a renderer, of its own: sharing
// one with the other pages held up the start of its sound by many seconds,
// and scripts sent to it went unanswered.
class WebEngineSession final : public QObject
{
    Q_OBJECT
public:
    enum class Group { Pages, Player };

    explicit WebEngineSession(QObject *parent = nullptr);
    ~WebEngineSession() override;

    QWebEngineProfile *profile(Group group = Group::Pages) const;

    using SaveDone = std::function<void(bool ok)>;
    // Saves the page's source as served; `done` runs when the file is complete.
    void savePage(QWebEnginePage *page, const QString &path, SaveDone done);

private:
    void configure(QWebEngineProfile *profile);
    void onDownloadRequested(QWebEngineDownloadRequest *download);
    void forgetPage(QObject *page);

    QWebEngineProfile *m_pages;
    QWebEngineProfile *m_player;
    QHash<QWebEnginePage *, SaveDone> m_pendingSaves;
};
