#include "tfrm_googlefinder.h"

#include "cornerwindow.h"
#include "primaryscreenarea.h"
#include "stripplacement.h"
#include "webimages.h"

#include "platform/browser.h"
#include "platform/browserfactory.h"
#include "stations/clickablelabel.h"

#include <QUrl>

TFrm_GoogleFinder::TFrm_GoogleFinder(BrowserFactory &browsers, std::function<QString()> serverBase,
                                     const bool &searchAtStart, QWidget *parent)
    : QWidget(parent)
    , m_serverBase(std::move(serverBase))
    , m_searchAtStart(searchAtStart)
    , m_screen(new PrimaryScreenArea(this))
{
    setObjectName(QStringLiteral("Frm_GoogleFinder"));
    CornerWindow::style(*this, QStringLiteral("Ricerca con Google"));
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
    place();
    setVisible(m_searchAtStart);
}

void TFrm_GoogleFinder::loadSearchPage()
{
    m_browser->navigate(m_serverBase() + QStringLiteral("/radio/GoogleFinder.htm"));
}

void TFrm_GoogleFinder::Image1Click()
{
    loadSearchPage();
    m_collapsed = !m_collapsed;
    place();
    // The click came from the shown strip: hiding it here (the flag in memory
    // may be off while the options showed it) would leave no handle to click.
}

void TFrm_GoogleFinder::showFromOptions(bool shown)
{
    setVisible(shown);
    Q_EMIT shownChanged();
}

void TFrm_GoogleFinder::followScreen()
{
    // Same state on the new area, so the handle stays within reach.
    if (m_screen->available())
        place();
}

void TFrm_GoogleFinder::place()
{
    // The state is kept, not read back from the position: a window manager
    // may hold more of the collapsed strip on screen than asked.
    const ScreenEdges edges = m_screen->edges();
    CornerWindow::move(*this, m_collapsed ? StripPlacement::collapsed(edges, size())
                                          : StripPlacement::expanded(edges, size()));
}
