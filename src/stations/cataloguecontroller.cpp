#include "cataloguecontroller.h"

#include "catalogue.h"
#include "listeningarea.h"
#include "stationpanels.h"

#include "platform/browser.h"
#include "service/linerecords.h"
#include "service/mirrorpool.h"
#include "service/pagecapture.h"
#include "service/servicerequests.h"

#include <QFile>
#include <QTabWidget>

CatalogueController::CatalogueController(const ListeningArea &area, MirrorPool &mirrors, Fields fields, Ui ui,
                                         PageCapture &capture, QString productSite, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_mirrors(mirrors)
    , m_fields(fields)
    , m_ui(std::move(ui))
    , m_capture(capture)
    , m_productSite(std::move(productSite))
{
    connect(m_area.WebBrowser3, &Browser::progressChange, this, &CatalogueController::WebBrowser3ProgressChange);
}

void CatalogueController::requestCatalogue()
{
    m_fields.catalogue.clear();
    m_fields.CatalogueLatch = false;
    m_area.WebBrowser3->navigate(ServiceRequests::catalogue(m_mirrors.serverBase()));
}

void CatalogueController::WebBrowser3ProgressChange(int progress, int progressMax)
{
    const QString capture = m_fields.tempFolder + QStringLiteral("tmpSV.txt");
    m_capture.onProgress(*m_area.WebBrowser3, progress, progressMax, capture, &m_fields.CatalogueLatch,
                         [this] { takeAnswer(); });
}

void CatalogueController::takeAnswer()
{
    const QString capture = m_fields.tempFolder + QStringLiteral("tmpSV.txt");
    const QString records = m_fields.tempFolder + QStringLiteral("tmp1SV.txt");
    normaliseCaptureFile(capture, records, false);
    Catalogue &catalogue = m_fields.catalogue;
    catalogue.take(readRecordFile(records));
    QFile::remove(capture);
    for (int slot = 1; slot <= Catalogue::Slots; ++slot)
        m_readStations = m_readStations || !catalogue.MostClicked[static_cast<std::size_t>(slot)].isEmpty()
                         || !catalogue.NewStations[static_cast<std::size_t>(slot)].isEmpty();

    if (catalogue.hasTitle())
        m_ui.setWindowCaption(QStringLiteral("Sonvela for ") + catalogue.CatalogueTitle);
    m_area.WB_SponsorAggiuntivi->navigate(m_fields.HotVideoMode
                                              ? ServiceRequests::sidePageHotCatalogue(m_mirrors.serverBase())
                                              : m_productSite + QStringLiteral("/comunity/randomfacebook.asp"));
    if (catalogue.hasTab()) {
        QTabWidget *tabs = m_area.Pnl_Ascolta;
        tabs->setTabVisible(m_area.Tb_Catalogo, true);
        tabs->setTabText(m_area.Tb_Catalogo, catalogue.CatalogueTabCaption);
        m_area.Wb_Catalogo->navigate(catalogue.CatalogueTabUrl);
        const QSignalBlocker quiet(tabs); // a page change made in code, not by the user
        tabs->setCurrentIndex(m_area.Tb_Catalogo);
    }
    fillPanel(1);
    fillPanel(3);
}

void CatalogueController::fillPanel(int panel)
{
    const Catalogue::List list = panel == 1 ? Catalogue::List::MostClicked : Catalogue::List::NewStations;
    for (int slot = 1; slot <= Catalogue::Slots; ++slot) {
        const CatalogueStation &station = m_fields.catalogue.station(list, slot);
        if (station.isEmpty())
            continue;
        m_ui.setTrayCaption(panel, slot, station.Name);
        m_ui.panels->fillCatalogueSlot(panel, slot, station);
    }
}
