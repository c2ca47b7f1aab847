#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
struct Deployment;

// MainMenu1: the main window's menu bar with every item of the design,
// each QAction and QMenu named as designed so handlers and the language
// switch can find them.
class MainMenu final : public QObject
{
    Q_OBJECT
public:
    MainMenu(QMenuBar *bar, const Deployment &deployment);

    QMenu *File1, *Lingua1, *Visualizza1, *Linkutili1, *Opzioni1, *RadioMenu, *About1;
    QAction *Esci2;
    QAction *Italiano1, *Francese1, *Inglese1, *Spagnolo1;
    QAction *Rimpicciolisciinalto1, *N3, *Riduciaicona1, *N9, *Atuttoschermo1;
    QAction *MakerLink, *ProductLink, *Partner1Link, *Partner2Link, *WindowsMediaPlayer1, *RealPlayer1,
        *SostieniSonvela1;
    QAction *User1, *GestionePrivacy1, *Opzionidiavvio1, *Radiopersonali1, *Radioinplaylist1, *Gestioneproxy1,
        *NewseMeteo1;
    QAction *Visualizzatutteleemittenti1, *Ricercaradio1, *Radioositowebpersonale1;
    QAction *About2, *N4, *Newsletter1, *PubblicitsuSonvela1, *Helpforum1;
    // Linux offers applications no system menu: its item lives at the end of "?".
    QAction *MakerSiteItem;

    QMenu *menuOf(QAction *action) const;

private:
    QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption);
    QAction *addSeparator(QMenu *menu, const char *name = nullptr);
};
