#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

// The one web profile every visible browser shares: autoplay allowed, no
// persistent cache of its own, and page saves routed back to the page that
// asked for them.
class WebEngineSession final : public QObject
{
    Q_OBJECT
public:
    explicit WebEngineSession(QObject *parent = nullptr);
    ~WebEngineSession() override;

    QWebEngineProfile *profile() const { return m_profile; }

    using SaveDone = std::function<void(bool ok)>;
    // Saves the page's source as served; `done` runs when the file is complete.
    void savePage(QWebEnginePage *page, const QString &path, SaveDone done);

private:
    void onDownloadRequested(QWebEngineDownloadRequest *download);
    void forgetPage(QObject *page);

    QWebEngineProfile *m_profile;
    QHash<QWebEnginePage *, SaveDone> m_pendingSaves;
};
