#include "programwindows.h"

#include "platform/desktopshell.h"
#include "platform/mprisnowplaying.h"
#include "platform/platformfactory.h"
#include "platform/qtdialogs.h"
#include "platform/proxyrelay.h"
#include "platform/qtproxysession.h"
#include "platform/randomsource.h"
#include "recording/audioctllibrary.h"
#include "theme/darklook.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDateTime>
#include <QProcessEnvironment>

#ifdef SONVELA_STARTUP_TRACE
#include "startuptrace.h"
#endif

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
#ifdef SONVELA_STARTUP_TRACE
    StartupTrace trace;
#endif
    QApplication::setApplicationName(QStringLiteral("Sonvela"));
    QApplication::setQuitOnLastWindowClosed(false);
    DarkLook::apply();

    // The proxy relay must be in force before the first web view exists.
    ProxyRelay relay;
    QtProxySession proxy(relay);
    proxy.installBeforeWebViews();

    const SystemFolders folders = SystemFolders::fromEnvironment(QProcessEnvironment::systemEnvironment());
    const DeploymentReading deployment =
        loadDeployment({folders.settingsFolder(), QStringLiteral("/etc/sonvela/")});

    PlatformFactory browsers;
    QtDialogs dialogs;
    DesktopShell shell;
    MprisNowPlaying nowPlaying(QDBusConnection::sessionBus());
    SeededRandom random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));

    AudioCtlLibrary recording(AudioCtlLibrary::defaultCandidates(QCoreApplication::applicationDirPath()));

    ProgramWindows windows(
        {browsers, dialogs, shell, nowPlaying, random, &proxy, folders, deployment.deployment, &recording});
    TFrm_Sonvela &Frm_Sonvela = windows.main();
    dialogs.setParent(&Frm_Sonvela);
    for (const QString &problem : deployment.problems)
        dialogs.error(problem);
    windows.startUp();

    Frm_Sonvela.centreOnScreen();
    Frm_Sonvela.show();
    return QApplication::exec();
}
