#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QSystemTrayIcon;

// CoolTrayIcon1 with its menu PopupMenu1. Where the desktop has no tray the
// icon is simply not shown; the menu and its entries still exist.
class TrayIcon final : public QObject
{
    Q_OBJECT
public:
    explicit TrayIcon(QObject *parent);
    ~TrayIcon() override;

    static constexpr const char *DesignHint = "Seleziona la tua radio preferita";

    QMenu *PopupMenu1;
    QAction *esci1, *Ripristina1, *CambiaRadio1;
    QMenu *Leradiopicliccate1, *Lemieradiopreferite1, *New1;

    // Radio_<panel>_<slot>: panel 1 most-clicked, 2 favourites, 3 new.
    QAction *radioEntry(int panel, int slot) const;

    void setHint(const QString &hint);
    QString hint() const;
    // Shows the icon; where no tray exists yet, it appears once one does.
    void show();
    bool isVisible() const;
    // Whether the desktop has a tray to hide the window to.
    static bool trayAvailable();
    // After the favourites changed: the submenu is built again from its
    // entries, enabled only while one of them is shown.
    void rebuildFavourites();

Q_SIGNALS:
    // A click or a double click on the icon: the desktop's way to ask for
    // the window.
    void activated();
    void radioEntryTriggered(int panel, int slot);

private:
    QSystemTrayIcon *m_icon;
    std::array<std::array<QAction *, 16>, 4> m_entries{};
};
