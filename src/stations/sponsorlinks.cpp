#include "sponsorlinks.h"

#include "listeningarea.h"
#include "stationplayer.h"

#include "platform/browser.h"
#include "platform/deployment.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "service/mirrorpool.h"
#include "service/servicerequests.h"

#include <QWidget>

SponsorLinks::SponsorLinks(const ListeningArea &area, MirrorPool &mirrors, Fields fields, StationPlayer &player,
                           Dialogs &dialogs, Shell &shell, const Deployment &deployment, TextFor text,
                           std::function<void(const QString &)> setWindowCaption, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_mirrors(mirrors)
    , m_fields(fields)
    , m_player(player)
    , m_dialogs(dialogs)
    , m_shell(shell)
    , m_deployment(deployment)
    , m_text(std::move(text))
    , m_setWindowCaption(std::move(setWindowCaption))
{
    connect(area.WB_SponsorAggiuntivi, &Browser::titleChange, this, &SponsorLinks::WB_SponsorAggiuntiviTitleChange);
}

void SponsorLinks::WB_SponsorAggiuntiviTitleChange(const QString &)
{
    m_setWindowCaption(QStringLiteral("Sonvela by Velmora - \"Versione 4.8\""));
}

void SponsorLinks::focusRadio()
{
    if (m_area.Pnl_Tv->isVisible()) {
        if (QWidget *w = m_area.Wb_Radio->widget())
            w->setFocus();
    }
}

void SponsorLinks::hotVideo()
{
    const QString base = m_mirrors.serverBase();
    m_player.setListeningSize();
    m_player.showLoadingLine();
    m_player.prepareListeningArea();
    m_area.Wb_Radio->navigate(ServiceRequests::hotVideoStart(base));
    focusRadio();
    m_fields.StationSource = 19;
    m_fields.HotVideoMode = true;
    m_player.putTabsLeft();
    m_player.sendStripRequest();
    m_area.Wb_Radio->navigate(ServiceRequests::hotVideoStart(base));
    m_area.WB_SponsorAggiuntivi->navigate(ServiceRequests::sidePageHot(base));
}

void SponsorLinks::personalWebAddress()
{
    m_fields.HotVideoMode = false;
    const QString address = m_dialogs.inputBox(m_text(22), m_text(23) + QLatin1Char(':'), QString());
    if (address.isEmpty())
        return;
    m_player.setListeningSize();
    m_player.showLoadingLine();
    m_player.prepareListeningArea();
    m_area.Wb_Radio->navigate(address);
    focusRadio();
    m_fields.StationSource = 19;
    const QString base = m_mirrors.serverBase();
    m_player.sendStripRequest();
    m_area.WB_SponsorAggiuntivi->navigate(ServiceRequests::sidePage(base));
}

QString SponsorLinks::linkAddress(Link link) const
{
    const QString product = m_deployment.productAddress();
    const QString maker = m_deployment.makerAddress();
    switch (link) {
    case Link::Maker:
        return maker;
    case Link::Product:
        return product;
    case Link::Partner1:
        return QStringLiteral("http://") + m_deployment.partner1;
    case Link::Partner2:
        return QStringLiteral("http://") + m_deployment.partner2;
    case Link::WindowsMediaPlayer:
        return QStringLiteral("http://www.microsoft.com/windows/windowsmedia/9series/gettingstarted/download/download.asp");
    case Link::RealPlayer:
        return QStringLiteral("http://www.real.com/real/realone/intl/focus.html?loc=it&lang=en&tagtype=ie&type=dlrhap_rh");
    case Link::Advertising:
        return product + QStringLiteral("/pubblicitasoftware.asp");
    case Link::Forum:
        return m_deployment.forumAddress();
    }
    return QString();
}

void SponsorLinks::openLink(Link link)
{
    m_shell.open(linkAddress(link));
}
