#pragma once

#include "browser.h"
#include "browserhistory.h"

#include <QByteArray>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// A browser that shows nothing and keeps the bytes the server sent, for the
// hidden capture browsers: saving writes them back unchanged.
class ExactSourceBrowser final : public Browser
{
    Q_OBJECT
public:
    explicit ExactSourceBrowser(QNetworkAccessManager *network, QObject *parent = nullptr);
    ~ExactSourceBrowser() override;

    void navigate(const QString &address) override;
    void refresh() override;
    bool goBack() override;
    bool goForward() override;

    QString locationUrl() const override { return m_location; }
    QString title() const override { return m_title; }
    bool busy() const override { return !m_reply.isNull(); }
    bool isShown() const override { return m_shown; }
    void setShown(bool shown) override { m_shown = shown; }

    bool hasDocument() const override { return m_hasDocument; }
    QString documentProtocol() const override;
    void saveDocument(const QString &path, SaveDone done) override;
    QWidget *widget() override { return nullptr; }

    static constexpr int ProgressScale = 10000;

private:
    void load(const QString &address);
    void finishLoad(const QUrl &location, const QByteArray &body, const QString &title);
    void onDownloadProgress(qint64 received, qint64 total);
    void onFinished();
    // Reports a title that differs from the last, or any title when
    // `evenIfSame`.
    void setTitle(const QString &title, bool evenIfSame = false);

    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
    BrowserHistory m_history;
    QString m_location;
    QString m_title;
    QByteArray m_body;
    bool m_hasDocument = false;
    bool m_shown = false;
    bool m_titleReported = false; // during the current navigation
};
