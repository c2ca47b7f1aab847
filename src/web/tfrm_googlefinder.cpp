#include "tfrm_googlefinder.h"

#include "primaryscreenarea.h"
#include "stripplacement.h"
#include "webimages.h"

#include "platform/browser.h"
#include "platform/browserfactory.h"
#include "stations/clickablelabel.h"

#include <QUrl>

TFrm_GoogleFinder::TFrm_GoogleFinder(BrowserFactory &browsers, std::function<QString()> serverBase,
                                     const bool &searchAtStart, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_serverBase(std::move(serverBase))
    , m_searchAtStart(searchAtStart)
    , m_screen(new PrimaryScreenArea(this))
{
    setObjectName(QStringLiteral("Frm_GoogleFinder"));
    setWindowTitle(QStringLiteral("Ricerca con Google"));
    setFixedSize(Width, Height);
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);

    m_handle = new ClickableLabel(this);
    m_handle->setObjectName(QStringLiteral("Image1"));
    m_handle->setGeometry(0, 0, 15, Height);
    m_handle->setPixmap(WebImages::searchHandle());
    m_handle->setCursor(Qt::PointingHandCursor);
    m_handle->setToolTip(QStringLiteral("Ricerca con Google"));
    connect(m_handle, &ClickableLabel::clicked, this, &TFrm_GoogleFinder::Image1Click);

    m_browser = browsers.createVisibleBrowser(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    if (QWidget *view = m_browser->widget()) {
        view->setObjectName(m_browser->objectName());
        view->setGeometry(15, 0, Width - 15, Height);
    }
    connect(m_browser, &Browser::newWindowRequested, this, [this](const QString &address) {
        // Only web pages: a result plays in the main window's player.
        const QString scheme = QUrl(address).scheme();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            Q_EMIT stationPageRequested(address);
    });
    connect(m_screen, &PrimaryScreenArea::changed, this, &TFrm_GoogleFinder::followScreen);
}

void TFrm_GoogleFinder::FormCreate()
{
    loadSearchPage();
    m_placedOn = m_screen->edges();
    move(StripPlacement::collapsed(m_placedOn, size()));
    setVisible(m_searchAtStart);
}

void TFrm_GoogleFinder::loadSearchPage()
{
    m_browser->navigate(m_serverBase() + QStringLiteral("/radio/GoogleFinder.htm"));
}

bool TFrm_GoogleFinder::collapsed() const
{
    return StripPlacement::isCollapsed(x(), m_placedOn);
}

void TFrm_GoogleFinder::Image1Click()
{
    loadSearchPage();
    const bool wasCollapsed = collapsed();
    m_placedOn = m_screen->edges();
    move(wasCollapsed ? StripPlacement::expanded(m_placedOn, size()) : StripPlacement::collapsed(m_placedOn, size()));
    setVisible(m_searchAtStart);
}

void TFrm_GoogleFinder::followScreen()
{
    // Same state on the new area, so the handle stays within reach.
    if (!m_screen->available())
        return;
    const bool wasCollapsed = collapsed();
    m_placedOn = m_screen->edges();
    move(wasCollapsed ? StripPlacement::collapsed(m_placedOn, size()) : StripPlacement::expanded(m_placedOn, size()));
}
