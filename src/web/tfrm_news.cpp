#include "tfrm_news.h"

#include "cornerwindow.h"

#include "platform/browser.h"
#include "platform/browserfactory.h"

#include <QPushButton>

TFrm_News::TFrm_News(BrowserFactory &browsers, std::function<QString()> newsUrl, QWidget *parent)
    : QWidget(parent)
    , m_newsUrl(std::move(newsUrl))
{
    setObjectName(QStringLiteral("Frm_News"));
    setWindowTitle(QStringLiteral("News e Meteo"));
    setToolWindowStyle();
    setFixedSize(Width, Height);

    m_hide = new QPushButton(QStringLiteral("Nascondi"), this);
    m_hide->setObjectName(QStringLiteral("Btn_Nascondi"));
    m_hide->setGeometry(0, 0, Width, 20);
    m_hide->setCursor(Qt::PointingHandCursor);
    m_hide->setStyleSheet(QStringLiteral("QPushButton { background: #1d1d1d; color: #e8e8e8; border: 1px solid #444; "
                                         "font-size: 11px; } QPushButton:hover { background: #ff8c00; color: black; }"));
    connect(m_hide, &QPushButton::clicked, this, [this] { Q_EMIT slideRequested(false); });

    m_browser = browsers.createVisibleBrowser(this);
    m_browser->setObjectName(QStringLiteral("WB_News"));
    if (QWidget *view = m_browser->widget()) {
        view->setObjectName(m_browser->objectName());
        view->setGeometry(0, 20, Width, Height - 20);
    }
    connect(m_browser, &Browser::titleChange, this, &TFrm_News::WB_NewsTitleChange);
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
}

void TFrm_News::setToolWindowStyle()
{
    if (CornerWindow::placedByDesktop()) {
        CornerWindow::style(*this, QStringLiteral("News e Meteo"));
        return;
    }
    // A tool window has no taskbar entry; Wayland compositors place it
    // themselves. On X11 it is kept from the window manager, which would hold
    // a tenth of it on screen and so leave a sliver where it must slide off.
    const Qt::WindowFlags tool
        = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint;
    if (windowFlags() != tool)
        setWindowFlags(tool);
}

void TFrm_News::WB_NewsTitleChange(const QString &title)
{
    switch (m_titles.titleChanged(title, m_newsUrl())) {
    case NewsTitleRule::Move::SlideIn:
        Q_EMIT slideRequested(true);
        break;
    case NewsTitleRule::Move::SlideOut:
        Q_EMIT slideRequested(false);
        break;
    case NewsTitleRule::Move::None:
        break;
    }
}
