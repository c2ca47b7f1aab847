#include "tfrm_sonvela.h"

#include "keyboardrouterfilter.h"
#include "languageapplier.h"
#include "listeningframe.h"
#include "mainmenu.h"
#include "reportedread.h"
#include "reportingshell.h"
#include "rightclickfilter.h"
#include "trayicon.h"
#include "windowmodes.h"

#include "messenger/nowplayingnotice.h"
#include "options/optionseditor.h"
#include "options/playlisttimer.h"
#include "options/proxydialogue.h"
#include "platform/browser.h"
#include "platform/browserfactory.h"
#include "platform/qtclock.h"
#include "platform/wallclock.h"
#include "platform/dialogs.h"
#include "platform/nowplaying.h"
#include "platform/proxysession.h"
#include "platform/randomsource.h"
#include "platform/shell.h"
#include "recording/recorderpage.h"
#include "service/linerecords.h"
#include "service/pagecapture.h"
#include "service/serviceaccess.h"
#include "service/servicerequests.h"
#include "settings/accountfile.h"
#include "options/tfrm_gestioneopzioni.h"
#include "settings/tfrm_gestioneutente.h"
#include "settings/optionsloader.h"
#include "settings/preferencesync.h"
#include "settings/proxyfile.h"
#include "stations/cataloguecontroller.h"
#include "stations/clickablelabel.h"
#include "stations/loadingproblemtext.h"
#include "stations/playerremote.h"
#include "stations/sponsorlinks.h"
#include "stations/stationnames.h"
#include "stations/stationpanels.h"
#include "stations/stationplayer.h"
#include "sudoku/sudokuboard.h"
#include "theme/designimages.h"
#include "theme/menucaption.h"
#include "web/websections.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int ClientWidth = 716;
constexpr int ClientHeight = 477;
constexpr int CannotOpenText = 132;

QWidget *panel(QWidget *parent, const char *name, QRect geometry)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

} // namespace

TFrm_Sonvela::TFrm_Sonvela(Platform platform, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(std::move(platform))
    , m_capture(std::make_unique<PageCapture>(m_platform.dialogs))
    , m_shell(std::make_unique<ReportingShell>(m_platform.shell, m_platform.dialogs,
                                               [this] { return m_state.text(CannotOpenText); }))
{
    if (!m_platform.clock) {
        m_ownClock = std::make_unique<QtClock>();
        m_platform.clock = m_ownClock.get();
    }
    setObjectName(QStringLiteral("Frm_Sonvela"));
    setWindowTitle(QStringLiteral("Sonvela by Velmora"));
    setWindowIcon(DesignImages::applicationIcon());
    buildWindow();
    connectMenus();
}

TFrm_Sonvela::~TFrm_Sonvela()
{
    // The withdrawal goes out whichever way the program ends.
    sendNowPlaying(false, true);
    qApp->removeEventFilter(m_rightClick);
    qApp->removeEventFilter(m_keyboard);
}

void TFrm_Sonvela::buildWindow()
{
    m_menu = new MainMenu(menuBar(), m_platform.deployment);
    m_tray = new TrayIcon(this);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    QWidget *tv = panel(m_client, "Pnl_Tv", QRect(0, 0, ClientWidth, ClientHeight));
    tv->setAutoFillBackground(true);
    m_area.Pnl_Tv = tv;
    m_pnlRidotto = panel(m_client, "Pnl_Ridotto", QRect(0, 0, 393, 2));
    m_pnlRidotto->hide();

    auto *sfondo = new QLabel(tv);
    sfondo->setObjectName(QStringLiteral("Sfondo"));
    sfondo->setGeometry(0, 14, 561, 463);
    sfondo->setPixmap(DesignImages::background(QSize(561, 463)));
    sfondo->setScaledContents(true);
    m_sfondo = sfondo;

    m_description = new QLabel(QStringLiteral(" "), tv);
    m_description->setObjectName(QStringLiteral("Lbl_DescrizioneTasto"));
    m_description->setGeometry(0, 0, 561, 14);
    m_description->setAlignment(Qt::AlignCenter);
    // It only speaks: clicks and moves go to whatever lies under it.
    m_description->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_description->setStyleSheet(
        QStringLiteral("color: white; font-family: 'Times New Roman', 'DejaVu Serif'; font-size: 11px;"));
    QPalette descriptionPalette = m_description->palette();
    descriptionPalette.setColor(QPalette::Window, Qt::black);
    m_description->setPalette(descriptionPalette);
    buildPlayerArea(tv);
    buildRightColumn(tv);
    m_area.Pnl_Ascolta->parentWidget()->raise();
    m_description->raise();
    m_panels->watchBackground(tv);
    m_panels->watchBackground(m_panels->PageControl1->tabBar());

    m_preferencesBrowser = m_platform.browsers.createVisibleBrowser(m_client);
    m_preferencesBrowser->setObjectName(QStringLiteral("Wb_CaricaPreferenze"));
    if (QWidget *w = m_preferencesBrowser->widget()) {
        w->setObjectName(QStringLiteral("Wb_CaricaPreferenze"));
        // Behind the main panel: seen only in compact mode, when that panel hides.
        w->setGeometry(120, 224, 300, 38);
        w->lower();
    }
    m_preferences = new PreferenceSync(*m_preferencesBrowser, *m_uploadBrowser, m_platform.dialogs,
                                       static_cast<SettingsHost &>(*this), this);
    m_optionsLoader = std::make_unique<OptionsLoader>(m_state.options, static_cast<OptionsHost &>(*this),
                                                      m_platform.folders.settingsFolder());
    static const SystemWallClock systemClock;
    m_playlistTimer = new PlaylistTimer(m_platform.wallClock ? *m_platform.wallClock : systemClock,
                                        static_cast<PlaylistHost &>(*this), this);
    m_proxyDialogue = std::make_unique<ProxyDialogue>(
        m_state.proxy, m_platform.dialogs, [this](int n) { return m_state.text(n); },
        m_platform.folders.settingsFolder(), m_platform.proxy);

    auto text = [this](int n) { return m_state.text(n); };
    ServiceAccess::Fields accessFields{m_state.AccessTitle, m_state.PageStationName, m_state.StationSource,
                                       m_state.account.id, m_state.HotVideoMode, m_state.options.messenger};
    m_access = new ServiceAccess(m_state.mirrors, accessFields, static_cast<ServiceAccessHost &>(*this),
                                 *m_platform.clock, this);
    m_access->attach(*m_area.WB_Principale, *m_area.WebBrowser2, *m_area.Wb_Radio);
    m_access->setListeningText([this] { return m_state.text(63); });
    m_access->setLoadingText([this] { return m_state.text(60); });

    StationPlayer::Fields playerFields{m_state.StationSource, m_state.HotVideoMode, m_state.StationStarted,
                                       m_state.catalogue};
    m_player = new StationPlayer(m_area, m_state.mirrors, playerFields, text, this);
    m_player->setStripRequest([this] { m_access->sendStripRequest(); });
    m_sections = new WebSections(m_area, {m_sectionBrowsers[4], m_sectionBrowsers[5], m_sectionBrowsers[6]},
                                 m_state.mirrors, {m_state.StationStarted, m_state.HotVideoMode},
                                 m_platform.deployment.productAddress(), text, this);
    m_sections->setRecorderVisit([this] { m_recorder->visit(); });
    connect(m_recorder, &RecorderPage::pageChangeRequested, m_sections, &WebSections::Pnl_AscoltaChange);

    CatalogueController::Fields catalogueFields{m_state.catalogue, m_state.CatalogueLatch, m_state.HotVideoMode,
                                                m_state.tempFolder};
    CatalogueController::Ui catalogueUi{
        m_panels,
        [this](int panelNo, int slot, const QString &name) {
            if (QAction *entry = m_tray->radioEntry(panelNo, slot))
                entry->setText(menuCaption(name));
        },
        [this](const QString &caption) { setWindowCaption(caption); }};
    m_catalogue = new CatalogueController(m_area, m_state.mirrors, catalogueFields, catalogueUi, *m_capture,
                                          m_platform.deployment.productAddress(), this);
    if (m_platform.proxy)
        m_platform.proxy->onTrouble([this](bool unreachable, const QString &proxy) {
            m_troubledProxy = unreachable ? proxy : QString();
            showProxyTrouble();
        });

    SponsorLinks::Fields sponsorFields{m_state.StationSource, m_state.HotVideoMode};
    m_sponsor = new SponsorLinks(m_area, m_state.mirrors, sponsorFields, *m_player, m_platform.dialogs,
                                 *m_shell, m_platform.deployment, text,
                                 [this](const QString &caption) { setWindowCaption(caption); }, this);

    WindowModes::Controls controls{this,
                                   m_client,
                                   tv,
                                   m_pnlRidotto,
                                   m_sfondo,
                                   m_area.Panel1,
                                   m_panel2,
                                   m_pnlSponsorAgg,
                                   m_area.Pnl_Ascolta,
                                   m_area.WB_Principale->widget(),
                                   m_area.Wb_Radio->widget(),
                                   m_area.WebBrowser2->widget(),
                                   m_area.Lbl_Caricamento,
                                   m_menu->Rimpicciolisciinalto1,
                                   m_menu->Atuttoschermo1,
                                   m_menu->N3,
                                   m_menu->N9,
                                   m_menu->RadioMenu->menuAction(),
                                   m_menu->Newsletter1,
                                   m_menu->N4,
                                   m_tray};
    m_modes = new WindowModes(controls, text, [this] { return m_windowHint; }, this);
    m_modes->layoutNormal();

    PlayerRemote::Fields remoteFields{m_state.StationSource, m_state.StationStarted,
                                      m_state.options.personalStations};
    m_remote = new PlayerRemote(
        *m_area.Wb_Radio, m_platform.nowPlaying, remoteFields,
        [this](int slot, int id) { m_player->panelEntryClicked(2, slot, id); },
        [this] { m_modes->Ripristina1Click(); }, this);
    setStyleSheet(QStringLiteral("QMainWindow { background: black; }"
                                 "QMenuBar { background: #161616; color: #e8e8e8; }"
                                 "QMenuBar::item:selected { background: #ff8c00; color: black; }"
                                 "QMenu { background: #1d1d1d; color: #e8e8e8; border: 1px solid #444; }"
                                 "QMenu::item:selected { background: #ff8c00; color: black; }"
                                 "QMenu::item:disabled { color: #777; }"
                                 "QTabWidget::pane { border: 1px solid #333; background: black; }"
                                 "QTabBar::tab { background: #222; color: #ddd; padding: 2px 6px; font-size: 10px; }"
                                 "QTabBar::tab:selected { background: #ff8c00; color: black; }"
                                 // The narrow option windows hold three long French captions.
                                 "QDialog QTabBar::tab { font-size: 9px; padding: 2px 4px; }"
                                 "#Pnl_Tv, #ClientArea { background: black; }"));
}

void TFrm_Sonvela::buildPlayerArea(QWidget *parent)
{
    // The listening area sits in the background's frame, under the description
    // line: 1 + 392 pixels below its top is where the sponsor strip begins.
    auto *frame = new ListeningFrame(parent, QRect(0, 14, 561, 463));
    auto *tabs = new QTabWidget(frame);
    tabs->setObjectName(QStringLiteral("Pnl_Ascolta"));
    frame->hold(tabs);
    tabs->setGeometry(1, 1, 559, 392);
    m_area.Pnl_Ascolta = tabs;

    auto *page0 = new QWidget;
    page0->setObjectName(QStringLiteral("TabRadio"));
    m_panel2 = panel(page0, "Panel2", QRect(1, 1, 557, 360));
    m_area.Wb_Radio = m_platform.browsers.createPlayerBrowser(m_panel2);
    m_area.Wb_Radio->setObjectName(QStringLiteral("Wb_Radio"));
    m_area.WB_Principale = m_platform.browsers.createVisibleBrowser(m_panel2);
    m_area.WB_Principale->setObjectName(QStringLiteral("WB_Principale"));
    for (Browser *b : {m_area.Wb_Radio, m_area.WB_Principale}) {
        if (QWidget *w = b->widget())
            w->setObjectName(b->objectName());
    }
    m_uploadBrowser = m_platform.browsers.createCaptureBrowser(this);
    m_uploadBrowser->setObjectName(QStringLiteral("Wb_Caricaimpostazioni"));
    m_area.Lbl_Caricamento = new QLabel(page0);
    m_area.Lbl_Caricamento->setObjectName(QStringLiteral("Lbl_Caricamento"));
    m_area.Lbl_Caricamento->setGeometry(0, 348, 552, 14);
    m_area.Lbl_Caricamento->setAlignment(Qt::AlignCenter);
    m_area.Lbl_Caricamento->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_area.Lbl_Caricamento->hide();

    tabs->addTab(page0, QStringLiteral("Radio - Web Site"));
    m_recorder = new RecorderPage({m_platform.recording, m_platform.dialogs, *m_shell,
                                   m_platform.deployment.product + QStringLiteral("/AudioRecording.exe"),
                                   m_platform.folders.settingsFolder(), m_platform.folders.recordingFolder()});
    tabs->addTab(m_recorder, QStringLiteral("Audio Recording"));

    static const char *const sections[][2] = {{"WB_Video", "Video"},       {"WB_Forum", "Forum"},
                                              {"WB_Hotel", "Hotel"},       {"WB_Community", "Community"},
                                              {"WB_New", "Novità software"}, {"Wb_Catalogo", "Catalogo"}};
    for (int i = 0; i < 6; ++i) {
        auto *page = new QWidget;
        Browser *browser = m_platform.browsers.createVisibleBrowser(page);
        browser->setObjectName(QLatin1String(sections[i][0]));
        if (QWidget *w = browser->widget()) {
            w->setObjectName(browser->objectName());
            w->setGeometry(0, 0, 552, 364);
        }
        m_sectionBrowsers[static_cast<std::size_t>(i + 2)] = browser;
        tabs->addTab(page, QString::fromUtf8(sections[i][1]));
    }
    tabs->widget(7)->setObjectName(QStringLiteral("Tb_Catalogo"));
    m_area.Wb_Catalogo = m_sectionBrowsers[7];
    tabs->setTabVisible(2, false);
    tabs->setTabVisible(3, false);

    auto *sudokuPage = new QWidget;
    sudokuPage->setObjectName(QStringLiteral("TabSudoku"));
    m_sudoku = new SudokuBoard(m_platform.dialogs, m_platform.random, sudokuPage);
    m_sudoku->move(2, 4);
    tabs->addTab(sudokuPage, QStringLiteral("Sudoku"));

    auto *strip = panel(parent, "Panel1", QRect(0, 407, 559, 70));
    m_area.Panel1 = strip;
    m_area.WebBrowser2 = m_platform.browsers.createVisibleBrowser(strip);
    m_area.WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
    if (QWidget *w = m_area.WebBrowser2->widget()) {
        w->setObjectName(QStringLiteral("WebBrowser2"));
        w->setGeometry(1, 1, 557, 68);
    }
    m_area.WebBrowser3 = m_platform.browsers.createCaptureBrowser(this);
    m_area.WebBrowser3->setObjectName(QStringLiteral("WebBrowser3"));
}

void TFrm_Sonvela::buildRightColumn(QWidget *parent)
{
    m_dotOn = new QLabel(parent);
    m_dotOn->setObjectName(QStringLiteral("Img_ServerOn"));
    m_dotOn->setPixmap(DesignImages::serverDot(true));
    m_dotOn->hide();
    m_dotOff = new QLabel(parent);
    m_dotOff->setObjectName(QStringLiteral("Img_ServerOff"));
    m_dotOff->setPixmap(DesignImages::serverDot(false));
    m_dotOff->hide();
    for (int n = 0; n <= 6; ++n) {
        auto *dot = new QLabel(parent);
        dot->setObjectName(QStringLiteral("Img_Server%1").arg(n));
        dot->setGeometry(n == 0 ? 604 : 561 + 7 * (n - 1), 51, 7, 7);
        dot->setPixmap(m_dotOff->pixmap());
        m_dots[static_cast<std::size_t>(n)] = dot;
    }

    m_panels = new StationPanels(parent, m_description, [this](int n) { return m_state.text(n); },
                                 [this](int panelNo, int slot) -> QString {
                                     if (panelNo == 2)
                                         return m_state.options.personalStations[static_cast<std::size_t>(slot - 1)].name;
                                     const auto list = panelNo == 1 ? Catalogue::List::MostClicked
                                                                    : Catalogue::List::NewStations;
                                     return m_state.catalogue.station(list, slot).Name;
                                 });
    // The dots reach 2 pixels into the panels' frame; they stay whole on top of it.
    for (QLabel *dot : m_dots)
        dot->raise();

    m_pnlSponsorAgg = panel(parent, "Pnl_SponsorAgg", QRect(563, 332, 153, 145));
    m_area.WB_SponsorAggiuntivi = m_platform.browsers.createVisibleBrowser(m_pnlSponsorAgg);
    m_area.WB_SponsorAggiuntivi->setObjectName(QStringLiteral("WB_SponsorAggiuntivi"));
    if (QWidget *w = m_area.WB_SponsorAggiuntivi->widget()) {
        w->setObjectName(QStringLiteral("WB_SponsorAggiuntivi"));
        w->setGeometry(4, 5, 145, 135);
    }
}

void TFrm_Sonvela::connectMenus()
{
    MainMenu &m = *m_menu;
    // "Esci" ends the loop without closing the window first: the window's
    // destruction alone withdraws the now-playing notice, once.
    for (QAction *esci : {m.Esci2, m_tray->esci1})
        connect(esci, &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });
    for (QAction *item : {m.Italiano1, m.Francese1, m.Inglese1, m.Spagnolo1})
        connect(item, &QAction::triggered, this, [this, item] { Italiano1Click(item->data().toInt()); });

    connect(m.Rimpicciolisciinalto1, &QAction::triggered, m_modes, &WindowModes::Rimpicciolisciinalto1Click);
    connect(m.Atuttoschermo1, &QAction::triggered, m_modes, &WindowModes::Atuttoschermo1Click);
    connect(m.Riduciaicona1, &QAction::triggered, m_modes, &WindowModes::Riduciaicona1Click);
    connect(m_tray->Ripristina1, &QAction::triggered, m_modes, &WindowModes::Ripristina1Click);
    connect(m_tray, &TrayIcon::activated, m_modes, &WindowModes::Ripristina1Click);

    using Link = SponsorLinks::Link;
    const std::pair<QAction *, Link> links[] = {
        {m.MakerLink, Link::Maker},           {m.ProductLink, Link::Product},
        {m.Partner1Link, Link::Partner1},     {m.Partner2Link, Link::Partner2},
        {m.WindowsMediaPlayer1, Link::WindowsMediaPlayer}, {m.RealPlayer1, Link::RealPlayer},
        {m.PubblicitsuSonvela1, Link::Advertising},        {m.Helpforum1, Link::Forum}};
    for (const auto &[action, link] : links)
        connect(action, &QAction::triggered, m_sponsor, [this, link = link] { m_sponsor->openLink(link); });
    connect(m.MakerSiteItem, &QAction::triggered, this,
            [this] { m_shell->open(m_platform.deployment.makerAddress()); });
    connect(m.SostieniSonvela1, &QAction::triggered, m_sponsor, &SponsorLinks::hotVideo);
    connect(m.Radioositowebpersonale1, &QAction::triggered, m_sponsor, &SponsorLinks::personalWebAddress);
    connect(m.Ricercaradio1, &QAction::triggered, this, [this] { m_player->openServicePage(16); });
    connect(m.Visualizzatutteleemittenti1, &QAction::triggered, this, [this] { m_player->openServicePage(17); });
    connect(m.Newsletter1, &QAction::triggered, this, [this] { m_player->openServicePage(18); });

    connect(m_panels, &StationPanels::entryClicked, this, [this](int panelNo, int slot) {
        m_player->panelEntryClicked(panelNo, slot, m_state.options.personalStations[static_cast<std::size_t>(slot - 1)].id);
    });
    connect(m_tray, &TrayIcon::radioEntryTriggered, this, [this](int panelNo, int slot) {
        m_player->trayEntryTriggered(panelNo, slot, m_state.options.personalStations[static_cast<std::size_t>(slot - 1)].id);
    });
    connect(m_panels, &StationPanels::sideClicked, this, [this](int tag) {
        switch (tag) {
        case 2:
            m_player->serviceLabelClicked(16);
            break;
        case 3:
            m_player->serviceLabelClicked(17);
            break;
        case 12:
            m_sponsor->hotVideo();
            break;
        case 8:
        case 9:
            m_state.StationSource = 0;
            // The catalogue tab takes keys but has no page history of its own.
            if (Browser *browser = browserOfPage(m_area.Pnl_Ascolta->currentIndex());
                browser && browser != m_area.Wb_Catalogo)
                tag == 9 ? browser->goForward() : browser->goBack();
            break;
        default:
            break;
        }
    });
    // Items whose windows come with later work stay visible but disabled.
    connect(m.Gestioneproxy1, &QAction::triggered, this, [this] { m_proxyDialogue->Gestioneproxy1Click(); });
    for (QAction *later : {m.About2, m.User1, m.GestionePrivacy1, m.Opzionidiavvio1, m.Radiopersonali1,
                           m.Radioinplaylist1, m.NewseMeteo1})
        later->setEnabled(false);
}

void TFrm_Sonvela::centreOnScreen()
{
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TFrm_Sonvela::FormCreate()
{
    // The tray menu and the now-playing hint are there from the start.
    m_tray->show();
    try {
        runStartUp();
    } catch (const std::exception &error) {
        m_platform.dialogs.error(QString::fromUtf8(error.what()));
    }
}

void TFrm_Sonvela::runStartUp()
{
    m_state.UploadCount = 0;
    m_state.options.languageIndex = 1;
    m_keyboard = new KeyboardRouterFilter([this] { return m_area.Pnl_Ascolta->currentIndex(); },
                                          [this](int page) { return browserOfPage(page); }, this);
    qApp->installEventFilter(m_keyboard);
    m_panels->Lbl_SostieniSonvela->setText(QStringLiteral("HOT video"));
    m_panels->Lbl_SostieniSonvela->setToolTip(QStringLiteral("HOT video"));
    m_panels->Lbl_SostieniSonvela->setStyleSheet(m_panels->Lbl_SostieniSonvela->styleSheet()
                                                 + QStringLiteral(" color: #ff0000;"));
    m_sudoku->setBusy(true);
    m_state.StationStarted = false;
    m_area.Pnl_Ascolta->setCurrentIndex(0);
    m_area.Pnl_Ascolta->setTabVisible(m_area.Tb_Catalogo, false);
    setWindowCaption(WindowModes::standardCaption());

    m_state.recordingFolder = m_platform.folders.recordingFolder();
    m_recorder->setRecordingFolder(m_state.recordingFolder);
    m_state.PageStationName.clear();

    m_rightClick = new RightClickFilter(this);
    qApp->installEventFilter(m_rightClick);

    m_state.mirrors.startUp(m_platform.random);
    lightIndicator(m_state.mirrors.index());
    for (int n = 1; n <= Deployment::MirrorCount; ++n)
        m_state.mirrors.setHost(n, m_platform.deployment.mirrors[static_cast<std::size_t>(n - 1)]);

    m_state.NewsDelay = 30;
    m_state.NewsBaseUrl.clear();
    m_state.NewsUrl.clear();
    m_state.proxy = ProxySettings();

    m_state.settingsFolder = m_platform.folders.settingsFolder();
    m_state.tempFolder = m_platform.folders.tempFolder();
    if (!m_platform.folders.ensureSettingsFolder())
        m_platform.dialogs.error(QStringLiteral("The settings folder %1 cannot be created or written: "
                                                "the program works, but changed options are not kept.")
                                     .arg(QDir::toNativeSeparators(m_state.settingsFolder)));

    readAccountAndProxy();

    m_access->sendAccessRequest();
    requestCatalogue();
}

// An account or proxy file that cannot be read counts as none: the program
// still reaches the service and plays.
void TFrm_Sonvela::readAccountAndProxy()
{
    std::optional<UserAccount> account;
    readReported(m_platform.dialogs, [&] { account = AccountFile::read(m_state.settingsFolder); });
    if (account) {
        m_state.account = *account;
        requestPreferences();
    } else {
        m_state.account = UserAccount();
        loadOptions();
    }
    if (!readReported(m_platform.dialogs, [this] { m_state.proxy = ProxyFile::read(m_state.settingsFolder); }))
        return;
    if (m_platform.proxy)
        ProxyFile::applyAtStartup(m_state.proxy, *m_platform.proxy);
}

Browser *TFrm_Sonvela::browserOfPage(int page) const
{
    if (page == 0)
        return m_area.Wb_Radio;
    if (page >= 2 && page <= 7)
        return m_sectionBrowsers[static_cast<std::size_t>(page)];
    return nullptr;
}

void TFrm_Sonvela::applyLanguage(int language)
{
    m_state.options.languageIndex = InterfaceTexts::languageFromStored(language);
    auto text = [this](int n) { return m_state.text(n); };
    const QList<QObject *> main{this, m_tray->PopupMenu1};
    LanguageApplier::apply(main, LanguageApplier::mainWindowEntries(), text);
    for (QWidget *window : m_languageWindows) {
        if (window->objectName() == QLatin1String("Frm_RadioProgrammata"))
            LanguageApplier::apply({window}, LanguageApplier::playlistWindowEntries(), text);
        else if (window->objectName() == QLatin1String("Frm_GestioneOpzioni"))
            LanguageApplier::apply({window}, LanguageApplier::optionsWindowEntries(), text);
    }
    LanguageApplier::apply(main, LanguageApplier::mainWindowLateEntries(), text);
    m_sudoku->applyTexts(text);
    LanguageApplier::apply(main, LanguageApplier::coverEntries(), text);
    if (!m_troubledProxy.isEmpty())
        showProxyTrouble();
}

void TFrm_Sonvela::showProxyTrouble()
{
    if (m_catalogue->hasReadStations())
        return;
    m_panels->showLoadingProblem(m_troubledProxy.isEmpty() ? QString()
                                     : LoadingProblemText::proxyUnreachable(m_state.options.languageIndex,
                                                                            m_troubledProxy));
}

void TFrm_Sonvela::Italiano1Click(int language)
{
    applyLanguage(language);
    editOptions(-1);
}

void TFrm_Sonvela::setSettingsWindows(TFrm_GestioneOpzioni *options, TFrm_GestioneUtente *account)
{
    m_optionsWindow = options;
    m_accountWindow = account;
    addLanguageWindow(options);
    m_optionsEditor = std::make_unique<OptionsEditor>(*options, m_state.options, static_cast<OptionsSaveHost &>(*this),
                                                      m_platform.dialogs, m_platform.autostart,
                                                      QCoreApplication::applicationFilePath());
    m_playlistTimer->setRows([options] { return options->playlistRows(); });
    m_playlistTimer->setEnabled(m_state.options.playlist);
    MainMenu &m = *m_menu;
    const std::pair<QAction *, int> pages[] = {{m.Opzionidiavvio1, 0}, {m.Radiopersonali1, 1}, {m.Radioinplaylist1, 2}};
    for (const auto &[item, page] : pages) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [this, page = page] { editOptions(page); });
    }
    m.User1->setEnabled(true);
    m.GestionePrivacy1->setEnabled(true);
    connect(m.User1, &QAction::triggered, this, [this] { m_accountWindow->openModal(TFrm_GestioneUtente::LogInPage); });
    connect(m.GestionePrivacy1, &QAction::triggered, this,
            [this] { m_accountWindow->openModal(TFrm_GestioneUtente::PrivacyPage); });
}

void TFrm_Sonvela::editOptions(int page)
{
    if (m_optionsEditor)
        m_optionsEditor->editOptions(page);
}

void TFrm_Sonvela::showSearchWindow(bool shown)
{
    if (m_showSearchStrip)
        m_showSearchStrip(shown);
}

void TFrm_Sonvela::setPlaylistTimer(bool enabled)
{
    m_playlistTimer->setEnabled(enabled);
}

void TFrm_Sonvela::startUpload(const UploadEntries &entries)
{
    m_state.UploadCount = 53;
    m_preferences->startUpload(entries);
}

void TFrm_Sonvela::setPlaylistStationName(const QString &name)
{
    m_state.PlaylistStationName = name;
}

void TFrm_Sonvela::setWindowCaption(const QString &caption)
{
    setWindowTitle(caption);
}

StationNameSources TFrm_Sonvela::stationNameSources() const
{
    StationNameSources sources;
    sources.catalogue = &m_state.catalogue;
    for (int n = 1; n <= 15; ++n)
        sources.personalNames[static_cast<std::size_t>(n)] =
            m_state.options.personalStations[static_cast<std::size_t>(n - 1)].name;
    sources.startupStationId = m_state.options.startupStation.id;
    // The start-up station is named as the options window shows it.
    sources.startupStationCaption =
        m_optionsWindow ? m_optionsWindow->startupStationCaption() : m_state.options.startupStation.name;
    sources.startupAutoPlayTicked = m_optionsWindow && m_optionsWindow->autoPlayChecked();
    sources.pageStationName = m_state.PageStationName;
    sources.playlistStationName = m_state.PlaylistStationName;
    sources.otherRadiosText = m_state.text(61);
    sources.personalRadioText = m_state.text(62);
    return sources;
}

void TFrm_Sonvela::sendNowPlaying(bool playing, bool force)
{
    const QString name =
        playing ? stationNameFor(m_state.StationSource, stationNameSources(), StationNameReader::Notice) : QString();
    const QString credit = NowPlayingNotice::credit(m_platform.deployment.makerDomain);
    const std::optional<QByteArray> notice = NowPlayingNotice::notice(playing, force, name, credit);
    // The desktop is shown what the notice carries, cut where the notice cuts.
    const std::optional<NowPlayingNotice::Content> content = notice ? NowPlayingNotice::parse(*notice) : std::nullopt;
    if (!content)
        return;
    if (content->playing)
        m_platform.nowPlaying.showTrack({content->title, content->artist});
    else
        m_platform.nowPlaying.showTrack({});
}

QString TFrm_Sonvela::hintStationName() const
{
    return stationNameFor(m_state.StationSource, stationNameSources(), StationNameReader::Hints);
}

void TFrm_Sonvela::setNowPlayingHint(const QString &hint)
{
    m_windowHint = hint;
    setToolTip(hint);
    m_tray->setHint(hint);
    // An unnamed page leaves the compact bar's caption as it was, not blank.
    if (m_modes->compact() && !hint.isEmpty())
        setWindowCaption(hint);
}

void TFrm_Sonvela::setLoadingLine(const QString &caption, bool shown)
{
    m_area.Lbl_Caricamento->setText(caption);
    m_area.Lbl_Caricamento->setVisible(shown);
}

void TFrm_Sonvela::showMirrorDot(int mirror, bool on)
{
    // A missing dot is skipped: lighting one is cosmetic.
    auto *dot = findChild<QLabel *>(QStringLiteral("Img_Server%1").arg(mirror));
    if (dot && mirror != 0)
        dot->setPixmap((on ? m_dotOn : m_dotOff)->pixmap());
}

void TFrm_Sonvela::lightIndicator(int mirror)
{
    showMirrorDot(mirror, true);
}

void TFrm_Sonvela::dimIndicator(int mirror)
{
    showMirrorDot(mirror, false);
}

void TFrm_Sonvela::requestPreferences()
{
    m_preferences->requestPreferences();
}

void TFrm_Sonvela::requestCatalogue()
{
    m_catalogue->requestCatalogue();
}

bool TFrm_Sonvela::catalogueMissing() const
{
    return m_state.CatalogueLatch && !m_catalogue->hasReadStations();
}

void TFrm_Sonvela::processPendingEvents()
{
    QCoreApplication::processEvents();
}

Shell &TFrm_Sonvela::shell()
{
    return *m_shell;
}

QString TFrm_Sonvela::serverBase() const
{
    return m_state.mirrors.serverBase();
}

QString TFrm_Sonvela::userId() const
{
    return m_state.account.id;
}

QString TFrm_Sonvela::settingsFolder() const
{
    return m_platform.folders.settingsFolder();
}

QString TFrm_Sonvela::tempFolder() const
{
    return m_platform.folders.tempFolder();
}

void TFrm_Sonvela::loadOptions()
{
    // Unread options still leave the interface in the language last applied.
    if (!readReported(m_platform.dialogs, [this] { m_optionsLoader->loadOptions(); }))
        applyLanguage(m_state.options.languageIndex);
}

UserAccount TFrm_Sonvela::account() const
{
    return m_state.account;
}

void TFrm_Sonvela::setAccount(const UserAccount &account)
{
    m_state.account = account;
}

void TFrm_Sonvela::setStationSource(int source)
{
    m_state.StationSource = source;
}

void TFrm_Sonvela::playStationById(int id, int source)
{
    m_player->playStationById(id, source);
}

void TFrm_Sonvela::refreshFavourites()
{
    m_panels->refreshFavourites(m_state.options.personalStations);
    bool any = false;
    for (int n = 1; n <= 15; ++n) {
        const PersonalStation &station = m_state.options.personalStations[static_cast<std::size_t>(n - 1)];
        any = any || !station.name.isEmpty();
        if (QAction *entry = m_tray->radioEntry(2, n)) {
            entry->setText(menuCaption(station.name));
            entry->setVisible(station.id != 0);
        }
    }
    m_tray->rebuildFavourites();
    m_panels->setAnyFavourite(any);
    m_remote->publish();
}

void TFrm_Sonvela::closeEvent(QCloseEvent *event)
{
    // Asked to close, then closing: both withdraw the notice; neither refuses.
    sendNowPlaying(false, true);
    sendNowPlaying(false, true);
    event->accept();
    qApp->quit();
}

void TFrm_Sonvela::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Minimising hides the window to the tray; without a tray it stays an
    // ordinary minimised window, or nobody could reach it again.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon::trayAvailable()) {
        m_tray->show();
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    }
}
