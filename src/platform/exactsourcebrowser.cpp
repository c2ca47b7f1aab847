#include "exactsourcebrowser.h"

#include "errorpage.h"
#include "pagetext.h"
#include "sourcefile.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

ExactSourceBrowser::ExactSourceBrowser(QNetworkAccessManager *network, QObject *parent)
    : Browser(parent)
    , m_network(network)
{
}

ExactSourceBrowser::~ExactSourceBrowser()
{
    // Aborting finishes the reply at once; nobody may hear of it any more.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void ExactSourceBrowser::navigate(const QString &address)
{
    m_history.visit(address);
    load(address);
}

void ExactSourceBrowser::refresh()
{
    const QString address = m_history.current();
    if (!address.isEmpty())
        load(address);
}

bool ExactSourceBrowser::goBack()
{
    const QString address = m_history.back();
    if (address.isEmpty())
        return false;
    load(address);
    return true;
}

bool ExactSourceBrowser::goForward()
{
    const QString address = m_history.forward();
    if (address.isEmpty())
        return false;
    load(address);
    return true;
}

QString ExactSourceBrowser::documentProtocol() const
{
    return m_hasDocument ? QUrl(m_location).scheme() + QLatin1Char(':') : QString();
}

void ExactSourceBrowser::saveDocument(const QString &path, SaveDone done)
{
    const bool ok = m_hasDocument && writeSourceFile(path, m_body);
    if (done)
        done(ok);
}

void ExactSourceBrowser::load(const QString &address)
{
    if (m_reply) {
        QNetworkReply *old = m_reply;
        m_reply = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
    }
    Q_EMIT progressChange(0, ProgressScale);
    m_titleReported = false;
    setTitle(address);
    const QUrl url = QUrl::fromUserInput(address);
    if (url.scheme() == QLatin1String("about")) {
        // Delivered from the event loop, as a real load would be.
        QTimer::singleShot(0, this, [this, url] {
            finishLoad(QUrl(QStringLiteral("about:") + url.path().toLower()), QByteArray(), QString());
        });
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(60000);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &ExactSourceBrowser::onDownloadProgress);
    connect(m_reply, &QNetworkReply::finished, this, &ExactSourceBrowser::onFinished);
}

void ExactSourceBrowser::onDownloadProgress(qint64 received, qint64 total)
{
    if (total <= 0 || received >= total)
        return;
    Q_EMIT progressChange(static_cast<int>(received * (ProgressScale - 1) / total), ProgressScale);
}

void ExactSourceBrowser::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    const QByteArray body = reply->readAll();
    const bool served = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (!served) {
        // No answer at all (refused, unreachable, timed out): an error page.
        const ErrorPage page = ErrorPage::forFailure(reply->url(), reply->errorString());
        finishLoad(page.location, page.source, page.title);
        return;
    }
    finishLoad(reply->url(), body, extractTitle(body));
}

void ExactSourceBrowser::finishLoad(const QUrl &location, const QByteArray &body, const QString &title)
{
    m_location = location.toString();
    m_body = body;
    m_hasDocument = true;
    // A page without a title shows its address, as the visible engine does;
    // every finished navigation reports its title at least once.
    setTitle(title.isEmpty() ? m_location : title, !m_titleReported);
    Q_EMIT progressChange(ProgressScale, ProgressScale);
}

void ExactSourceBrowser::setTitle(const QString &title, bool evenIfSame)
{
    if (title == m_title && !evenIfSame)
        return;
    m_title = title;
    m_titleReported = true;
    Q_EMIT titleChange(title);
}
