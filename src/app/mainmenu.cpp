#include "mainmenu.h"

#include "platform/deployment.h"
#include "theme/designimages.h"
#include "theme/menucaption.h"

#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar, const Deployment &deployment) : QObject(bar)
{
    setObjectName(QStringLiteral("MainMenu1"));
    bar->setObjectName(QStringLiteral("MainMenu1Bar"));

    File1 = addMenu(bar, "File1", QStringLiteral("File"));
    Esci2 = addItem(File1, "Esci2", QStringLiteral("Esci"));

    Lingua1 = addMenu(bar, "Lingua1", QStringLiteral("Lingua"));
    Italiano1 = addItem(Lingua1, "Italiano1", QStringLiteral("Italiano"));
    Francese1 = addItem(Lingua1, "Francese1", QStringLiteral("English"));
    Inglese1 = addItem(Lingua1, "Inglese1", QStringLiteral("Français"));
    Spagnolo1 = addItem(Lingua1, "Spagnolo1", QStringLiteral("Español"));
    int tag = 1;
    for (QAction *item : {Italiano1, Francese1, Inglese1, Spagnolo1}) {
        item->setData(tag);
        item->setIcon(DesignImages::languageFlag(tag++));
    }

    Visualizza1 = addMenu(bar, "Visualizza1", QStringLiteral("Visualizza"));
    Rimpicciolisciinalto1 = addItem(Visualizza1, "Rimpicciolisciinalto1", QStringLiteral("Rimpicciolisci in alto"));
    N3 = addSeparator(Visualizza1, "N3");
    Riduciaicona1 = addItem(Visualizza1, "Riduciaicona1", QStringLiteral("Riduci a icona"));
    N9 = addSeparator(Visualizza1, "N9");
    Atuttoschermo1 = addItem(Visualizza1, "Atuttoschermo1", QStringLiteral("A tutto schermo"));
    Rimpicciolisciinalto1->setData(0);
    Atuttoschermo1->setData(0);

    Linkutili1 = addMenu(bar, "Linkutili1", QStringLiteral("Link utili"));
    MakerLink = addItem(Linkutili1, "MakerLink", deployment.makerDomain);
    ProductLink = addItem(Linkutili1, "ProductLink", deployment.productDomain);
    Partner1Link = addItem(Linkutili1, "Partner1Link", deployment.partner1);
    Partner2Link = addItem(Linkutili1, "Partner2Link", deployment.partner2);
    addSeparator(Linkutili1);
    WindowsMediaPlayer1 = addItem(Linkutili1, "WindowsMediaPlayer1", QStringLiteral("Windows Media Player"));
    RealPlayer1 = addItem(Linkutili1, "RealPlayer1", QStringLiteral("Real Player"));
    addSeparator(Linkutili1);
    SostieniSonvela1 = addItem(Linkutili1, "SostieniSonvela1", QStringLiteral("HOT video"));

    Opzioni1 = addMenu(bar, "Opzioni1", QStringLiteral("Opzioni"));
    User1 = addItem(Opzioni1, "User1", QStringLiteral("User info"));
    GestionePrivacy1 = addItem(Opzioni1, "GestionePrivacy1", QStringLiteral("Gestione Privacy"));
    addSeparator(Opzioni1);
    Opzionidiavvio1 = addItem(Opzioni1, "Opzionidiavvio1", QStringLiteral("Opzioni di avvio"));
    Radiopersonali1 = addItem(Opzioni1, "Radiopersonali1", QStringLiteral("Emittenti personali"));
    Radioinplaylist1 = addItem(Opzioni1, "Radioinplaylist1", QStringLiteral("Radio in Playlist"));
    addSeparator(Opzioni1);
    Gestioneproxy1 = addItem(Opzioni1, "Gestioneproxy1", QStringLiteral("Gestione Proxy"));
    addSeparator(Opzioni1);
    NewseMeteo1 = addItem(Opzioni1, "NewseMeteo1", QStringLiteral("News e Meteo"));

    RadioMenu = addMenu(bar, "RadioMenu", QStringLiteral("Radio"));
    Visualizzatutteleemittenti1 =
        addItem(RadioMenu, "Visualizzatutteleemittenti1", QStringLiteral("Visualizza tutte le emittenti"));
    Ricercaradio1 = addItem(RadioMenu, "Ricercaradio1", QStringLiteral("Ricerca Radio"));
    addSeparator(RadioMenu);
    Radioositowebpersonale1 =
        addItem(RadioMenu, "Radioositowebpersonale1", QStringLiteral("Radio o sito Web Personale"));

    About1 = addMenu(bar, "About1", QStringLiteral("?"));
    About2 = addItem(About1, "About2", QStringLiteral("About"));
    N4 = addSeparator(About1, "N4");
    Newsletter1 = addItem(About1, "Newsletter1", QStringLiteral("Iscriviti alla newsletter"));
    PubblicitsuSonvela1 = addItem(About1, "PubblicitsuSonvela1", QStringLiteral("Pubblicità su Sonvela"));
    addSeparator(About1);
    Helpforum1 = addItem(About1, "Helpforum1", QStringLiteral("Help - Forum"));
    addSeparator(About1);
    MakerSiteItem = addItem(About1, "MakerSiteItem", deployment.makerAddress());
}

QMenu *MainMenu::addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    return menu;
}

QAction *MainMenu::addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(menuCaption(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *MainMenu::addSeparator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    if (name)
        action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *MainMenu::menuOf(QAction *action) const
{
    return qobject_cast<QMenu *>(action->parent());
}
