#include "programwindows.h"

#include "mainmenu.h"
#include "reportedread.h"

#include "options/tfrm_radiopersonale.h"
#include "options/tfrm_radioprogrammata.h"
#include "platform/browserfactory.h"
#include "platform/dialogs.h"
#include "service/linerecords.h"
#include "service/pagecapture.h"
#include "service/servicerequests.h"
#include "options/tfrm_gestioneopzioni.h"
#include "settings/tfrm_gestioneutente.h"
#include "stations/stationplayer.h"
#include "web/tfrm_about.h"
#include "web/tfrm_gestionenews.h"
#include "web/tfrm_googlefinder.h"
#include "web/tfrm_news.h"

#include <QAction>

ProgramWindows::ProgramWindows(TFrm_Sonvela::Platform platform)
    : m_platform(platform)
    , Frm_Sonvela(std::make_unique<TFrm_Sonvela>(std::move(platform)))
{
}

// Members go in reverse order: the later windows, children of the main
// window, before it.
ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::startUp()
{
    TFrm_Sonvela *main = Frm_Sonvela.get();
    main->FormCreate();

    SonvelaState &state = main->state();
    const auto serverBase = [&state] { return state.mirrors.serverBase(); };
    Frm_News = std::make_unique<TFrm_News>(m_platform.browsers, [&state] { return state.NewsUrl; });
    Frm_GestioneNews = std::make_unique<TFrm_GestioneNews>(
        *Frm_News, TFrm_GestioneNews::Fields{state.NewsDelay, state.NewsBaseUrl, state.NewsUrl}, serverBase,
        m_platform.folders.settingsFolder(), m_platform.dialogs, main);
    readReported(m_platform.dialogs, [this] { Frm_GestioneNews->FormCreate(); });
    Frm_GestioneOpzioni = std::make_unique<TFrm_GestioneOpzioni>(
        main->state().options, m_platform.folders.settingsFolder(), m_platform.dialogs, main);
    readReported(m_platform.dialogs, [this] { Frm_GestioneOpzioni->loadPlaylist(); });
    m_selectionCapture = std::make_unique<PageCapture>(m_platform.dialogs);
    const SelectionWindow::Setup selection{
        m_platform.browsers, *m_selectionCapture,
        [main] { return ServiceRequests::selectionPage(main->state().mirrors.serverBase()); },
        m_platform.deployment.selectionTitle, m_platform.folders.tempFolder()};
    Frm_RadioProgrammata = std::make_unique<TFrm_RadioProgrammata>(selection, main);
    Frm_About = std::make_unique<TFrm_About>(m_platform.deployment, main->shell(), main);
    Frm_GoogleFinder = std::make_unique<TFrm_GoogleFinder>(m_platform.browsers, serverBase, state.options.searchAtStart);
    Frm_GoogleFinder->FormCreate();
    Frm_RadioPersonale = std::make_unique<TFrm_RadioPersonale>(selection, main);
    Frm_GestioneOpzioni->setSelectionWindows(Frm_RadioPersonale.get(), Frm_RadioProgrammata.get());
    BrowserFactory &browsers = m_platform.browsers;
    Frm_GestioneUtente = std::make_unique<TFrm_GestioneUtente>(
        [&browsers](QWidget *parent) { return browsers.createVisibleBrowser(parent); }, m_platform.dialogs,
        main->accountHost(), main);

    main->setSettingsWindows(Frm_GestioneOpzioni.get(), Frm_GestioneUtente.get());
    main->addLanguageWindow(Frm_RadioProgrammata.get());
    QObject::connect(main->menu().About2, &QAction::triggered, Frm_About.get(), &QDialog::exec);
    main->menu().About2->setEnabled(true);
    QObject::connect(main->menu().NewseMeteo1, &QAction::triggered, Frm_GestioneNews.get(), &QDialog::exec);
    main->menu().NewseMeteo1->setEnabled(true);
    TFrm_GoogleFinder *strip = Frm_GoogleFinder.get();
    main->setSearchStrip([strip](bool shown) { strip->showFromOptions(shown); });
    // Ticker and strip share the bottom-right corner: the ticker rests above.
    TFrm_GestioneNews *news = Frm_GestioneNews.get();
    news->setBottomReserve([strip] { return strip->isVisible() ? strip->height() : 0; });
    news->followScreen();
    QObject::connect(strip, &TFrm_GoogleFinder::shownChanged, news, &TFrm_GestioneNews::followScreen);
    QObject::connect(strip, &TFrm_GoogleFinder::stationPageRequested, &main->player(),
                     &StationPlayer::openSearchResult);
}
