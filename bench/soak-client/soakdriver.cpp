#include "soakdriver.h"

#include "app/tfrm_sonvela.h"
#include "recording/audiorecord.h"
#include "recording/recorderpage.h"
#include "stations/listeningarea.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cstdio>

namespace {

// Seconds the station gets to start playing before the recorder is opened.
int playingGrace()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("SONVELA_SOAK_GRACE", &ok);
    return ok ? seconds : 30;
}

void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

constexpr int Mp3Format = 1;

} // namespace

SoakDriver::SoakDriver(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &SoakDriver::step);
    m_timer.start();
}

void SoakDriver::say(const char *event, const QString &detail)
{
    std::fprintf(stderr, "soak-driver %s %s\n", event, qPrintable(detail));
    std::fflush(stderr);
}

void SoakDriver::step()
{
    if (!m_window) {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<TFrm_Sonvela *>(widget);
            if (window && window->isVisible())
                m_window = window;
        }
        return;
    }
    if (++m_waited < playingGrace())
        return;
    m_timer.stop();
    if (!startRecording(*m_window)) {
        say("failed");
        return;
    }
    disconnect(&m_timer, nullptr, this, nullptr);
    connect(&m_timer, &QTimer::timeout, this, &SoakDriver::report);
    m_timer.start(60000);
}

bool SoakDriver::startRecording(TFrm_Sonvela &window)
{
    QTabBar *tabs = window.listeningArea().Pnl_Ascolta->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    RecorderPage &page = window.recorder();
    if (!page.control()) {
        say("no-recorder", QStringLiteral("the recording module did not load"));
        return false;
    }
    int monitor = -1;
    for (int i = 0; i < page.cbDevice->count() && monitor < 0; ++i)
        monitor = page.cbDevice->itemText(i).contains(QLatin1String("Monitor")) ? i : -1;
    if (monitor < 0) {
        say("no-monitor", QString::number(page.cbDevice->count()) + QStringLiteral(" devices"));
        return false;
    }
    choose(page.cbDevice, monitor);
    choose(page.cbFormat, Mp3Format);
    QTest::mouseClick(page.btnRecord, Qt::LeftButton);
    say("recording", page.cbDevice->currentText());
    return true;
}

void SoakDriver::report()
{
    RecorderPage &page = m_window->recorder();
    AudioRecord *record = page.control();
    // The gauges tell sound from silence: a station that stopped playing
    // would still be recorded, as silence.
    const int level = std::max(page.ProgressSX->value(), page.ProgressDX->value());
    say("recorded", QString::number(record ? record->GetRecordedSeconds() : -1.0, 'f', 1) + QStringLiteral(" level ")
                        + QString::number(level));
}

// Made as soon as the application exists, before main builds the windows.
static void startSoakDriver()
{
    new SoakDriver(QCoreApplication::instance());
}
Q_COREAPP_STARTUP_FUNCTION(startSoakDriver)
