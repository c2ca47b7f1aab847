#include "options/selectionwindow.h"

#include "platform/browser.h"
#include "platform/browserfactory.h"
#include "service/linerecords.h"
#include "service/pagecapture.h"

#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// 544 x 390 with the window frame; the frame is the desktop's, so the client
// area is what we size.
constexpr int ClientWidth = 536;
constexpr int ClientHeight = 360;
constexpr int CaptureWaitMs = 5000;

} // namespace

SelectionWindow::SelectionWindow(const QString &name, const Setup &setup, QWidget *parent)
    : QDialog(parent)
    , m_capture(setup.capture)
    , m_selectionAddress(setup.selectionAddress)
    , m_selectionTitle(setup.selectionTitle)
    , m_tempFolder(setup.tempFolder)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Selezione radio personale"));
    resize(ClientWidth, ClientHeight);

    m_browser = setup.browsers.createVisibleBrowser(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    connect(m_browser, &Browser::titleChange, this, [this](const QString &title) { m_lastTitle = title; });
    connect(m_browser, &Browser::progressChange, this, &SelectionWindow::onProgress);

    BitBtn1 = new QPushButton(QStringLiteral("Esci senza salvare"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("Salva ed esci"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *button : { BitBtn1, BitBtn2 })
        button->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);

    auto *bar = new QHBoxLayout;
    bar->addWidget(BitBtn1);
    bar->addStretch();
    bar->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    if (QWidget *view = m_browser->widget()) {
        view->setObjectName(QStringLiteral("WebBrowser1"));
        layout->addWidget(view, 1);
    } else {
        layout->addStretch(1);
    }
    layout->addLayout(bar);
}

QString SelectionWindow::capturePath() const
{
    return m_tempFolder + QStringLiteral("tmp2SV.txt");
}

void SelectionWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void SelectionWindow::onProgress(int progress, int progressMax)
{
    if (!PageCapture::loadComplete(progress, progressMax))
        return;
    m_capturing = m_browser->hasDocument();
    // Each finished page replaces the capture; only the last one counts.
    m_capture.onProgress(*m_browser, progress, progressMax, capturePath(), nullptr, [this] { captureDone(); });
}

void SelectionWindow::awaitCapture()
{
    if (m_capturing) {
        QEventLoop loop;
        m_captureWait = &loop;
        QTimer::singleShot(CaptureWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_captureWait = nullptr;
    }
    m_capturing = false;
}

void SelectionWindow::captureDone()
{
    m_capturing = false;
    if (m_captureWait)
        m_captureWait->quit();
}

StationPick SelectionWindow::pickStation()
{
    m_browser->navigate(m_selectionAddress());
    const bool saved = exec() == QDialog::Accepted;
    if (saved)
        awaitCapture();
    const QString path = capturePath();
    return StationPick::read(saved, m_lastTitle, m_selectionTitle, [&path] { return readWholeFile(path); });
}
