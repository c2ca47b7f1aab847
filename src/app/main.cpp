#include "tfrm_sonvela.h"

#include "mainmenu.h"

#include "options/tfrm_radiopersonale.h"
#include "options/tfrm_radioprogrammata.h"
#include "platform/desktopshell.h"
#include "platform/mprisnowplaying.h"
#include "platform/platformfactory.h"
#include "platform/qtdialogs.h"
#include "platform/proxyrelay.h"
#include "platform/qtproxysession.h"
#include "platform/randomsource.h"
#include "recording/audioctllibrary.h"
#include "service/linerecords.h"
#include "settings/tfrm_gestioneopzioni.h"
#include "settings/tfrm_gestioneutente.h"
#include "web/tfrm_about.h"
#include "web/tfrm_gestionenews.h"
#include "web/tfrm_googlefinder.h"
#include "web/tfrm_news.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDateTime>
#include <QProcessEnvironment>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonvela"));
    QApplication::setQuitOnLastWindowClosed(false);

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

    TFrm_Sonvela Frm_Sonvela(
        {browsers, dialogs, shell, nowPlaying, random, &proxy, folders, deployment.deployment, &recording});
    dialogs.setParent(&Frm_Sonvela);
    for (const QString &problem : deployment.problems)
        dialogs.error(problem);
    Frm_Sonvela.FormCreate();

    TFrm_News Frm_News;
    TFrm_GestioneNews Frm_GestioneNews(&Frm_Sonvela);
    TFrm_GestioneOpzioni Frm_GestioneOpzioni(Frm_Sonvela.state().options, folders.settingsFolder(), &Frm_Sonvela);
    try {
        Frm_GestioneOpzioni.loadPlaylist();
    } catch (const FileError &error) {
        dialogs.error(error.message());
    }
    TFrm_RadioProgrammata Frm_RadioProgrammata(&Frm_Sonvela);
    TFrm_About Frm_About(deployment.deployment, &Frm_Sonvela);
    TFrm_GoogleFinder Frm_GoogleFinder;
    TFrm_RadioPersonale Frm_RadioPersonale(&Frm_Sonvela);
    TFrm_GestioneUtente Frm_GestioneUtente([&browsers](QWidget *parent) { return browsers.createVisibleBrowser(parent); },
                                           dialogs, Frm_Sonvela.accountHost(), &Frm_Sonvela);
    Frm_Sonvela.setSettingsWindows(&Frm_GestioneOpzioni, &Frm_GestioneUtente);
    Frm_Sonvela.addLanguageWindow(&Frm_RadioProgrammata);
    QObject::connect(Frm_Sonvela.menu().About2, &QAction::triggered, &Frm_About, &QDialog::exec);
    Frm_Sonvela.menu().About2->setEnabled(true);

    Frm_Sonvela.centreOnScreen();
    Frm_Sonvela.show();
    return QApplication::exec();
}
