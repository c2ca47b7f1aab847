#include "serviceaccess.h"

#include "mirrorpool.h"
#include "serviceaccesshost.h"
#include "servicerequests.h"

#include "platform/browser.h"
#include "platform/clock.h"

namespace {

bool sameText(const QString &a, const QString &b)
{
    return a.toUpper() == b.toUpper();
}

bool startsWithIgnoringCase(const QString &text, const QString &prefix)
{
    return text.left(prefix.size()).toUpper() == prefix.toUpper();
}

} // namespace

ServiceAccess::ServiceAccess(MirrorPool &mirrors, Fields fields, ServiceAccessHost &host, Clock &clock,
                             QObject *parent)
    : QObject(parent)
    , m_mirrors(mirrors)
    , m_fields(fields)
    , m_host(host)
    , m_clock(clock)
    , m_accessPacer(mirrors.count())
    , m_stripPacer(mirrors.count())
{
    m_aggiornaTimer.setObjectName(QStringLiteral("aggiornaTimer"));
    m_aggiornaTimer.setInterval(5000);
    m_aggiornaTimer.setSingleShot(false);
    connect(&m_aggiornaTimer, &QTimer::timeout, this, &ServiceAccess::aggiornaTimerTimer);
}

void ServiceAccess::attach(Browser &principale, Browser &strip, Browser &radio)
{
    m_principale = &principale;
    m_strip = &strip;
    m_radio = &radio;
    connect(&principale, &Browser::titleChange, this, &ServiceAccess::WB_PrincipaleTitleChange);
    connect(&principale, &Browser::progressChange, this, &ServiceAccess::WB_PrincipaleProgressChange);
    connect(&strip, &Browser::titleChange, this, &ServiceAccess::WebBrowser2TitleChange);
    connect(&radio, &Browser::titleChange, this, &ServiceAccess::Wb_RadioTitleChange);
    connect(&radio, &Browser::progressChange, this, &ServiceAccess::Wb_RadioProgressChange);
}

void ServiceAccess::sendAccessRequest()
{
    ++m_accessTicket;
    m_principale->navigate(ServiceRequests::access(m_mirrors.serverBase()));
}

void ServiceAccess::sendStripRequest()
{
    ++m_stripTicket;
    m_strip->navigate(stripAddress());
}

QString ServiceAccess::stripAddress() const
{
    const QString base = m_mirrors.serverBase();
    return m_fields.HotVideoMode ? ServiceRequests::stripHotPage(base) : ServiceRequests::stripStationDetail(base);
}

void ServiceAccess::sendPaced(Browser &browser, FailoverPacer &pacer, int &ticket, const QString &address)
{
    const int ownTicket = ++ticket;
    const int wait = pacer.failed();
    if (wait == 0) {
        browser.navigate(address);
        return;
    }
    m_clock.callAfter(wait, this, [&browser, &ticket, ownTicket, address] {
        if (ticket == ownTicket)
            browser.navigate(address);
    });
}

void ServiceAccess::mirrorAnswered()
{
    m_accessPacer.succeeded();
    m_stripPacer.succeeded();
}

void ServiceAccess::WB_PrincipaleTitleChange(const QString &title)
{
    m_fields.AccessTitle = title;
}

void ServiceAccess::WB_PrincipaleProgressChange(int progress, int progressMax)
{
    if (progress < progressMax)
        return;
    static const QString ok = QStringLiteral("accessoOK");
    const QString title = m_fields.AccessTitle;
    // The address stands as the title while the page loads. Once the load is
    // over, a page still without a title of its own (an empty answer) is a
    // failed mirror too, or the client would wait on it for ever.
    const bool waiting = sameText(title, ServiceRequests::access(m_mirrors.serverBase())) && m_principale->busy();
    if (!sameText(title, ok) && !waiting)
        rotateAfterAccessFailure();
    if (sameText(title, ok))
        mirrorAnswered();
    // Mirror 1 keeps the catalogue asked for at start-up, unless that one
    // never came (the first mirror had failed then).
    if (sameText(title, ok) && (m_mirrors.index() != 1 || m_host.catalogueMissing()))
        m_host.requestCatalogue();
}

void ServiceAccess::rotateAfterAccessFailure()
{
    m_host.dimIndicator(m_mirrors.index());
    m_mirrors.advance();
    if (!m_fields.UserId.isEmpty())
        m_host.requestPreferences();
    m_host.lightIndicator(m_mirrors.index());
    sendPaced(*m_principale, m_accessPacer, m_accessTicket, ServiceRequests::access(m_mirrors.serverBase()));
}

void ServiceAccess::WebBrowser2TitleChange(const QString &title)
{
    const int remembered = m_mirrors.index();
    int next = remembered;
    if (!startsWithIgnoringCase(m_strip->locationUrl(), QStringLiteral("Http"))) {
        ++next;
    } else if (!sameText(title, QStringLiteral("sponsor")) && !startsWithIgnoringCase(title, QStringLiteral("http:"))) {
        ++next;
    } else if (m_strip->hasDocument() && m_strip->documentProtocol() == QLatin1String("file:")) {
        ++next;
    }
    if (next > m_mirrors.count())
        next = 1;
    if (next == remembered) {
        if (sameText(title, QStringLiteral("sponsor")))
            mirrorAnswered();
        return;
    }
    m_mirrors.setIndex(next);
    m_host.dimIndicator(remembered);
    m_host.lightIndicator(next);
    sendPaced(*m_strip, m_stripPacer, m_stripTicket, stripAddress());
    m_host.processPendingEvents();
    if (!m_fields.UserId.isEmpty())
        m_host.requestPreferences();
}

void ServiceAccess::Wb_RadioTitleChange(const QString &title)
{
    if (sameText(title, QStringLiteral("caricamento"))) {
        if (!m_aggiornaTimer.isActive())
            m_aggiornaTimer.start();
    } else {
        m_aggiornaTimer.stop();
    }
    if (title.size() > 7 && startsWithIgnoringCase(title, QStringLiteral("RADIO:-"))) {
        m_fields.PageStationName = title.mid(7);
        m_namedAt = m_radio->locationUrl();
        m_fields.StationSource = 18;
        m_host.sendNowPlaying(m_fields.MessengerFlag, false);
    }
}

void ServiceAccess::aggiornaTimerTimer()
{
    m_aggiornaTimer.stop();
    m_radio->refresh();
}

void ServiceAccess::forgetNameElsewhere()
{
    // A page's own name counts only while that page is shown: another page
    // (the newsletter, also code 18) must not be announced under it.
    if (!m_fields.PageStationName.isEmpty() && m_radio->locationUrl() != m_namedAt)
        m_fields.PageStationName.clear();
}

void ServiceAccess::Wb_RadioProgressChange(int progress, int progressMax)
{
    forgetNameElsewhere();
    const QString loading = m_loadingText ? m_loadingText() : QString();
    if (progress != progressMax) {
        m_host.setLoadingLine(loading, true);
        return;
    }
    m_host.setLoadingLine(loading, false);
    m_host.sendNowPlaying(m_fields.MessengerFlag, false);
    m_host.setLoadingLine(QString(), false);
    const QString name = m_host.hintStationName();
    if (name.isEmpty()) {
        m_host.setNowPlayingHint(QString());
        return;
    }
    const QString listening = m_listeningText ? m_listeningText() : QString();
    m_host.setNowPlayingHint(listening + QStringLiteral(": \"") + name + QLatin1Char('"'));
}
