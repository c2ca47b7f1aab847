#include "stationplayer.h"

#include "listeningarea.h"

#include "platform/browser.h"
#include "service/mirrorpool.h"
#include "service/servicerequests.h"

#include <QLabel>
#include <QTabWidget>

StationPlayer::StationPlayer(const ListeningArea &area, MirrorPool &mirrors, Fields fields, TextFor text,
                             QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_mirrors(mirrors)
    , m_fields(fields)
    , m_text(std::move(text))
{
}

void StationPlayer::sendStripRequest()
{
    if (m_sendStrip)
        m_sendStrip();
}

void StationPlayer::prepareListeningArea()
{
    m_area.Wb_Radio->setShown(true);
    if (QWidget *w = m_area.Wb_Radio->widget())
        w->raise();
    m_area.WebBrowser2->setShown(true);
    if (QWidget *w = m_area.WebBrowser2->widget())
        w->raise();
    m_area.Pnl_Ascolta->show();
    m_area.Pnl_Ascolta->raise();
    m_area.Panel1->show();
    m_area.Panel1->raise();
    m_fields.StationStarted = true;
}

void StationPlayer::showLoadingLine()
{
    m_area.Lbl_Caricamento->setText(m_text(60));
    m_area.Lbl_Caricamento->show();
}

void StationPlayer::setListeningSize()
{
    m_area.Pnl_Ascolta->setGeometry(1, 1, 559, 392);
}

void StationPlayer::loadSidePage()
{
    m_area.WB_SponsorAggiuntivi->navigate(ServiceRequests::sidePage(m_mirrors.serverBase()));
}

void StationPlayer::playCatalogueSlot(Catalogue::List list, int code, bool focus)
{
    m_area.Pnl_Ascolta->setCurrentIndex(0);
    m_fields.HotVideoMode = false;
    const QString base = m_mirrors.serverBase();
    const bool servicePage = list == Catalogue::List::MostClicked && code >= 16 && code <= 18;
    m_area.Wb_Radio->navigate(servicePage ? ServiceRequests::servicePage(base, code)
                                          : m_fields.catalogue.station(list, code).PageUrl);
    if (focus && m_area.Pnl_Tv->isVisible() && m_area.Pnl_Ascolta->currentIndex() == 0) {
        if (QWidget *w = m_area.Wb_Radio->widget())
            w->setFocus();
    }
    setListeningSize();
    m_fields.StationSource = list == Catalogue::List::MostClicked ? code : 40 + code;
    sendStripRequest();
}

void StationPlayer::playStationById(int id, int source)
{
    if (id == 0)
        return;
    showLoadingLine();
    m_area.Wb_Radio->setShown(true);
    if (QWidget *w = m_area.Wb_Radio->widget())
        w->raise();
    m_fields.StationSource = source;
    m_area.WebBrowser2->setShown(true);
    if (QWidget *w = m_area.WebBrowser2->widget())
        w->raise();
    m_area.Pnl_Ascolta->show();
    m_area.Pnl_Ascolta->raise();
    m_area.Pnl_Ascolta->setCurrentIndex(0);
    m_area.Panel1->show();
    m_area.Panel1->raise();
    m_fields.StationStarted = true;

    const QString base = m_mirrors.serverBase();
    m_area.Wb_Radio->navigate(ServiceRequests::stationById(base, id));
    sendStripRequest();
    if (m_fields.HotVideoMode) {
        m_area.Wb_Radio->navigate(ServiceRequests::hotVideoStart(base));
        m_area.WB_SponsorAggiuntivi->navigate(ServiceRequests::sidePageHot(base));
    } else {
        loadSidePage();
    }
    setListeningSize();
}

void StationPlayer::openServicePage(int code)
{
    putTabsOnTop();
    m_fields.HotVideoMode = false;
    showLoadingLine();
    prepareListeningArea();
    sendStripRequest();
    loadSidePage();
    playCatalogueSlot(Catalogue::List::MostClicked, code, true);
}

void StationPlayer::openSearchResult(const QString &address)
{
    putTabsOnTop();
    m_fields.HotVideoMode = false;
    showLoadingLine();
    prepareListeningArea();
    loadSidePage();
    m_area.Pnl_Ascolta->setCurrentIndex(0);
    m_area.Wb_Radio->navigate(address);
    setListeningSize();
    m_fields.StationSource = 16;
    sendStripRequest();
}

void StationPlayer::putTabsOnTop()
{
    if (m_area.Pnl_Ascolta->tabPosition() != QTabWidget::North)
        m_area.Pnl_Ascolta->setTabPosition(QTabWidget::North);
}

void StationPlayer::putTabsLeft()
{
    m_area.Pnl_Ascolta->setTabPosition(QTabWidget::West);
}

void StationPlayer::panelEntryClicked(int panel, int slot, int favouriteId)
{
    if (panel == 2) {
        m_fields.HotVideoMode = false;
        playStationById(favouriteId, 20 + slot);
        return;
    }
    showLoadingLine();
    prepareListeningArea();
    m_fields.HotVideoMode = false;
    sendStripRequest();
    loadSidePage();
    playCatalogueSlot(panel == 1 ? Catalogue::List::MostClicked : Catalogue::List::NewStations, slot, true);
}

void StationPlayer::trayEntryTriggered(int panel, int slot, int favouriteId)
{
    switch (panel) {
    case 1:
        prepareListeningArea();
        playCatalogueSlot(Catalogue::List::MostClicked, slot, false);
        break;
    case 2:
        playStationById(favouriteId, 0);
        break;
    case 3:
        showLoadingLine();
        prepareListeningArea();
        playCatalogueSlot(Catalogue::List::NewStations, slot, true);
        break;
    default:
        break;
    }
}

void StationPlayer::serviceLabelClicked(int code)
{
    m_fields.StationSource = 0;
    m_area.Wb_Radio->navigate(QStringLiteral("About:Blank"));
    openServicePage(code);
}
