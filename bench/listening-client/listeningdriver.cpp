#include "listeningdriver.h"

#include "app/tfrm_sonvela.h"
#include "app/trayicon.h"
#include "app/windowmodes.h"
#include "recording/recorderpage.h"
#include "stations/clickablelabel.h"
#include "stations/listeningarea.h"
#include "stations/stationpanels.h"

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int Mp3Format = 1;

TFrm_Sonvela *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<TFrm_Sonvela *>(widget))
            return window;
    }
    return nullptr;
}

void clickTab(TFrm_Sonvela &window, int index)
{
    QTabBar *tabs = window.listeningArea().Pnl_Ascolta->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

} // namespace

ListeningDriver::ListeningDriver(QObject *parent) : QObject(parent), m_input(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&m_input, &QSocketNotifier::activated, this, &ListeningDriver::readCommand);
}

void ListeningDriver::say(bool ok, const QString &command, const QString &detail)
{
    std::fprintf(stderr, "listening-driver %s %s %s\n", ok ? "ok" : "failed", qPrintable(command), qPrintable(detail));
    std::fflush(stderr);
}

void ListeningDriver::readCommand()
{
    char line[256];
    const ssize_t size = ::read(STDIN_FILENO, line, sizeof line - 1);
    if (size <= 0) {
        m_input.setEnabled(false);
        return;
    }
    const QString command = QString::fromLatin1(line, static_cast<int>(size)).trimmed();
    TFrm_Sonvela *window = mainWindow();
    const QString failure = window ? run(command, *window) : QStringLiteral("no main window");
    say(failure.isEmpty(), command, failure.isEmpty() && window ? QString::number(window->listeningArea().Pnl_Ascolta->currentIndex()) : failure);
}

QString ListeningDriver::run(const QString &command, TFrm_Sonvela &window)
{
    const ListeningArea &area = window.listeningArea();
    if (command == QLatin1String("catalogue")) {
        clickTab(window, area.Tb_Catalogo);
    } else if (command == QLatin1String("player")) {
        ClickableLabel *entry = window.panels().entry(1, 1);
        if (!entry || !entry->isVisible())
            return QStringLiteral("no station shown");
        QTest::mouseClick(entry, Qt::LeftButton);
    } else if (command == QLatin1String("tray")) {
        window.tray().show();
        window.hide();
    } else if (command == QLatin1String("restore")) {
        window.windowModes().Ripristina1Click();
    } else if (command == QLatin1String("recorder")) {
        clickTab(window, 1);
    } else if (command == QLatin1String("record")) {
        return record(window);
    } else if (command.startsWith(QLatin1String("grab "))) {
        if (!window.grab().save(command.mid(5)))
            return QStringLiteral("could not save the picture");
    } else if (command == QLatin1String("windows")) {
        QStringList shown;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                shown << widget->objectName() + QLatin1Char(':') + QLatin1String(widget->metaObject()->className());
        }
        say(true, QStringLiteral("shown"), shown.join(QLatin1Char(' ')));
    } else {
        return QStringLiteral("unknown command");
    }
    return {};
}

QString ListeningDriver::record(TFrm_Sonvela &window)
{
    RecorderPage &page = window.recorder();
    if (!page.control())
        return QStringLiteral("the recording module did not load");
    int monitor = -1;
    for (int i = 0; i < page.cbDevice->count() && monitor < 0; ++i)
        monitor = page.cbDevice->itemText(i).contains(QLatin1String("Monitor")) ? i : -1;
    if (monitor < 0)
        return QStringLiteral("no monitor among %1 devices").arg(page.cbDevice->count());
    choose(page.cbDevice, monitor);
    choose(page.cbFormat, Mp3Format);
    QTest::mouseClick(page.btnRecord, Qt::LeftButton);
    return {};
}

// Made as soon as the application exists, before main builds the windows.
static void startListeningDriver()
{
    new ListeningDriver(QCoreApplication::instance());
}
Q_COREAPP_STARTUP_FUNCTION(startListeningDriver)
