#include "tfrm_gestionenews.h"

#include "newsaddress.h"
#include "cornerwindow.h"
#include "primaryscreenarea.h"
#include "tfrm_news.h"
#include "weblook.h"

#include "platform/browser.h"
#include "platform/dialogs.h"
#include "service/linerecords.h"
#include "settings/newsfile.h"
#include "settings/settingslines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

constexpr int DefaultDelay = 30;

// Captions by category number; on screen 8 and 9 trade places.
constexpr const char *Captions[] = {"Top News",      "News in English",    "News dall'Italia", "News dal Mondo",
                                    "Calcio",        "Sport in generale",  "Spettacolo",       "Cultura e società",
                                    "Economia e finanza", "Scieza",        "Internet",         "Moda",
                                    "Musica",        "Cinema",             "Meteo"};
constexpr int ScreenOrder[] = {1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 11, 12, 13, 14, 15};

} // namespace

TFrm_GestioneNews::TFrm_GestioneNews(TFrm_News &ticker, Fields fields, std::function<QString()> serverBase,
                                     QString settingsFolder, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_ticker(ticker)
    , m_fields(fields)
    , m_serverBase(std::move(serverBase))
    , m_settingsFolder(std::move(settingsFolder))
    , m_dialogs(dialogs)
    , m_screen(new PrimaryScreenArea(this))
{
    setObjectName(QStringLiteral("Frm_GestioneNews"));
    setWindowTitle(QStringLiteral("Gestione news"));
    setFixedSize(331, 339);
    WebLook::applyDark(this);
    buildWindow();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(5);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &TFrm_GestioneNews::Timer1Timer);
    connect(&m_ticker, &TFrm_News::slideRequested, this, &TFrm_GestioneNews::startSliding);
    connect(m_screen, &PrimaryScreenArea::changed, this, &TFrm_GestioneNews::followScreen);
}

void TFrm_GestioneNews::buildWindow()
{
    WebLook::caption(QStringLiteral("News disponibili"), this, QRect(10, 6, 300, 16), true);
    for (int row = 0; row < CategoryCount; ++row) {
        const int category = ScreenOrder[row];
        const int top = 26 + row * 16;
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(category));
        button->setGeometry(14, top + 1, 13, 13);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("QPushButton { background: #4a4a4a; border: 2px outset #8a8a8a; }"
                                             "QPushButton[flat=\"true\"] { background: #ff8c00; border: 1px solid #ffb04d; }"));
        connect(button, &QPushButton::clicked, this, [this, category] { SpeedButtonClick(category); });
        m_buttons[static_cast<std::size_t>(category - 1)] = button;
        auto *label = WebLook::caption(QString::fromUtf8(Captions[category - 1]), this, QRect(34, top, 260, 15));
        label->setObjectName(QStringLiteral("Lbl_News%1").arg(category));
        label->setBuddy(button); // the caption names the button for screen readers
    }
    WebLook::caption(QStringLiteral("Durata esposizione news"), this, QRect(10, 272, 300, 16), true);
    QLabel *seconds = WebLook::caption(QStringLiteral("Secondi:"), this, QRect(14, 296, 60, 18));
    m_edit = new QLineEdit(QString::number(DefaultDelay), this);
    seconds->setBuddy(m_edit);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setGeometry(76, 294, 60, 22);
    m_edit->setMaxLength(9);
    auto *close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("Btn_Chiudi"));
    close->setGeometry(231, 301, 90, 28);
    connect(close, &QPushButton::clicked, this, &TFrm_GestioneNews::ChiudiClick);
}

QPushButton *TFrm_GestioneNews::categoryButton(int category) const
{
    return category >= 1 && category <= CategoryCount ? m_buttons[static_cast<std::size_t>(category - 1)] : nullptr;
}

void TFrm_GestioneNews::setFlat(int category, bool flat)
{
    QPushButton *button = categoryButton(category);
    button->setFlat(flat);
    button->style()->unpolish(button);
    button->style()->polish(button);
}

void TFrm_GestioneNews::FormCreate()
{
    const NewsChoice choice = NewsFile::read(m_settingsFolder);
    m_fields.NewsDelay = NewsAddress::isDelay(choice.delay) ? choice.delay : DefaultDelay;
    m_edit->setText(QString::number(m_fields.NewsDelay));
    if (choice.category == QLatin1String("0"))
        return;
    m_fields.NewsBaseUrl = NewsAddress::base(m_serverBase(), choice.category);
    m_fields.NewsUrl = NewsAddress::withDelay(m_fields.NewsBaseUrl, m_fields.NewsDelay);
    // A category that is no number still loads as written, but selects
    // nothing; one without a button keeps its number for the next "Chiudi".
    showTicker(SettingsLines::toInteger(choice.category, 0));
    if (const int n = choice.categoryNumber())
        setFlat(n, true);
}

void TFrm_GestioneNews::SpeedButtonClick(int category)
{
    for (int n = 1; n <= CategoryCount; ++n)
        setFlat(n, false);
    if (m_ticker.isVisible() && m_ticker.tag() == category) {
        m_timer->stop();
        m_slide.start(TickerSlide::Still);
        m_ticker.hide();
        m_ticker.setTag(0);
        return;
    }
    setFlat(category, true);
    m_fields.NewsBaseUrl = NewsAddress::base(m_serverBase(), QString::number(category));
    m_fields.NewsUrl = NewsAddress::withDelay(m_fields.NewsBaseUrl, NewsAddress::delayFrom(m_edit->text(), DefaultDelay));
    showTicker(category);
}

void TFrm_GestioneNews::showTicker(int tag)
{
    m_ticker.browser().navigate(m_fields.NewsUrl);
    m_ticker.setTag(tag);
    m_ticker.setToolWindowStyle();
    parkTicker();
    m_ticker.setVisible(!CornerWindow::throughXWayland()); // there it shows when it slides in
}

void TFrm_GestioneNews::parkTicker()
{
    m_ticker.move(m_screen->edges().right, tickerTop());
}

void TFrm_GestioneNews::ChiudiClick()
{
    const int typed = NewsAddress::delayFrom(m_edit->text(), DefaultDelay);
    if (typed != m_fields.NewsDelay
        && m_dialogs.askYesNo(QStringLiteral("Conferma"),
                              QStringLiteral("Si è deciso di modificare il tempo di visualizzazione delle news. "
                                             "Confermare?"))) {
        m_fields.NewsDelay = NewsAddress::delayFrom(m_edit->text(), m_fields.NewsDelay);
        // Without a category there is no news page to reload.
        if (!m_fields.NewsBaseUrl.isEmpty()) {
            m_fields.NewsUrl = NewsAddress::withDelay(m_fields.NewsBaseUrl, typed);
            m_ticker.browser().navigate(m_fields.NewsUrl);
        }
    }
    try {
        NewsFile::write(m_settingsFolder, NewsChoice{QString::number(m_ticker.tag()), m_fields.NewsDelay});
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
        return;
    }
    accept();
}

void TFrm_GestioneNews::startSliding(bool in)
{
    // Wayland lets no client place its windows, so there is no corner to slide
    // to or off screen to park: the ticker is simply shown or hidden there.
    if (CornerWindow::placedByDesktop()) {
        m_ticker.setVisible(in);
        return;
    }
    // Through XWayland a shown window keeps the place it was mapped at, and
    // one mapped off screen is pulled back in: shown in its corner, no slide.
    if (CornerWindow::throughXWayland()) {
        m_ticker.move(m_screen->edges().right - TFrm_News::Width, tickerTop());
        m_ticker.setVisible(in);
        return;
    }
    m_slide.start(in ? TickerSlide::In : TickerSlide::Out);
    m_timer->start();
}

void TFrm_GestioneNews::Timer1Timer()
{
    if (!m_screen->available()) {
        m_timer->stop();
        return;
    }
    const ScreenEdges edges = m_screen->edges();
    const int left = m_slide.step(m_ticker.x(), TFrm_News::Width, edges.right);
    if (!m_slide.running()) {
        m_timer->stop();
        return;
    }
    m_ticker.move(left, m_ticker.y());
}

void TFrm_GestioneNews::followScreen()
{
    if (!m_ticker.isVisible() || !m_screen->available())
        return;
    const ScreenEdges edges = m_screen->edges();
    CornerWindow::move(m_ticker, {m_slide.placeOn(m_ticker.x(), TFrm_News::Width, edges.right), tickerTop()});
}

int TFrm_GestioneNews::tickerTop() const
{
    return m_screen->edges().bottom - TFrm_News::Height - (m_bottomReserve ? m_bottomReserve() : 0);
}
