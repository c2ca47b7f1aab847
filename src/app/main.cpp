#include "programwindows.h"

#include "platform/assistivebus.h"
#include "platform/desktopshell.h"
#include "platform/desktopstart.h"
#include "platform/mprisnowplaying.h"
#include "platform/platformfactory.h"
#include "platform/qtdialogs.h"
#include "platform/proxyrelay.h"
#include "platform/qtproxysession.h"
#include "platform/randomsource.h"
#include "platform/singleinstance.h"
#include "platform/softwarescene.h"
#include "platform/standinlauncher.h"
#include "platform/wallclock.h"
#include "platform/xdgautostart.h"
#include "recording/audioctllibrary.h"
#include "theme/darklook.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDateTime>
#include <QProcessEnvironment>

#include <cstdio>

#ifdef SONVELA_STARTUP_TRACE
#include "startuptrace.h"

#include <QTimer>
#endif

namespace {

// The start-up moments of the benchmark build; nothing in the shipped program.
void traceMark([[maybe_unused]] const char *event)
{
#ifdef SONVELA_STARTUP_TRACE
    StartupTrace::mark(event);
#endif
}

void traceFirstEventLoopTurn()
{
#ifdef SONVELA_STARTUP_TRACE
    QTimer::singleShot(0, [] { StartupTrace::mark("event-loop"); });
#endif
}

// The stand-in is up in well under a second; a loaded machine gets more.
constexpr int StandinStartMs = 10000;
// A copy starting at the same instant may still be starting its stand-in.
constexpr int RaiseWaitMs = StandinStartMs + 5000;

} // namespace

int main(int argc, char **argv)
{
    DesktopStart::prepare();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
#ifdef SONVELA_STARTUP_TRACE
    StartupTrace trace;
#endif
    QApplication::setApplicationName(QStringLiteral("Sonvela"));
    QApplication::setQuitOnLastWindowClosed(false);
    DarkLook::apply();

    // One copy per desktop: a second start shows the first one's window.
    QDBusConnection bus = QDBusConnection::sessionBus();
    SingleInstance instance(bus);
    if (!instance.claim()) {
        const bool raised = instance.raiseRunningCopy(RaiseWaitMs);
        std::fputs(raised ? "sonvela: already running; its window has been brought forward\n"
                          : "sonvela: already running\n",
                   stderr);
        return 0;
    }

    chooseSceneForThisDesktop();
    exposeWebPagesToAssistiveTools(bus);

    // The proxy relay must be in force before the first web view exists.
    ProxyRelay relay;
    QtProxySession proxy(relay);
    proxy.installBeforeWebViews();

    const SystemFolders folders = SystemFolders::fromEnvironment(QProcessEnvironment::systemEnvironment());
    const DeploymentReading deployment =
        loadDeployment({folders.settingsFolder(), QStringLiteral("/etc/sonvela/")});
    // No deployment names a service: the stand-in beside this program is the service.
    StandinLauncher standin(QCoreApplication::applicationDirPath() + QStringLiteral("/sonvela-standin"),
                            Deployment::defaults().mirrors[0]);
    QString standinProblem;
    standin.startWithoutDeployment(deployment, StandinStartMs, &standinProblem);

    PlatformFactory browsers;
    QtDialogs dialogs;
    DesktopShell shell;
    MprisNowPlaying nowPlaying(bus);
    SeededRandom random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));

    AudioCtlLibrary recording(AudioCtlLibrary::defaultCandidates(QCoreApplication::applicationDirPath()));

    SystemWallClock wallClock;
    XdgAutostart autostart(XdgAutostart::defaultFolder());
    TFrm_Sonvela::Platform platform{browsers, dialogs, shell,   nowPlaying,           random,
                                    &proxy,   folders, deployment.deployment, &recording};
    platform.wallClock = &wallClock;
    platform.autostart = &autostart;
    traceMark("platform-ready");
    ProgramWindows windows(platform);
    traceMark("windows-built");
    TFrm_Sonvela &Frm_Sonvela = windows.main();
    dialogs.setParent(&Frm_Sonvela);
    for (const QString &problem : deployment.problems)
        dialogs.error(problem);
    if (!standinProblem.isEmpty())
        dialogs.error(standinProblem);
    windows.startUp();
    traceMark("start-up-done");

    Frm_Sonvela.centreOnScreen();
    Frm_Sonvela.show();
    traceMark("shown");
    traceFirstEventLoopTurn();
    return QApplication::exec();
}
