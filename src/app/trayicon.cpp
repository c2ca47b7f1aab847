#include "trayicon.h"

#include "theme/designimages.h"

#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QObject *parent)
    : QObject(parent)
    , PopupMenu1(new QMenu)
    , m_icon(new QSystemTrayIcon(DesignImages::applicationIcon(), this))
{
    setObjectName(QStringLiteral("CoolTrayIcon1"));
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    esci1 = PopupMenu1->addAction(QStringLiteral("Esci"));
    esci1->setObjectName(QStringLiteral("esci1"));
    PopupMenu1->addSeparator();
    Ripristina1 = PopupMenu1->addAction(QStringLiteral("Ripristina"));
    Ripristina1->setObjectName(QStringLiteral("Ripristina1"));
    QFont bold = Ripristina1->font();
    bold.setBold(true);
    Ripristina1->setFont(bold);
    PopupMenu1->setDefaultAction(Ripristina1);
    PopupMenu1->addSeparator();
    QMenu *change = PopupMenu1->addMenu(QStringLiteral("Cambia Radio"));
    change->setObjectName(QStringLiteral("CambiaRadioMenu"));
    CambiaRadio1 = change->menuAction();
    CambiaRadio1->setObjectName(QStringLiteral("CambiaRadio1"));

    Leradiopicliccate1 = change->addMenu(QStringLiteral("Le radio più cliccate"));
    Lemieradiopreferite1 = change->addMenu(QStringLiteral("Le mie radio preferite"));
    New1 = change->addMenu(QStringLiteral("New"));
    Leradiopicliccate1->menuAction()->setObjectName(QStringLiteral("Leradiopicliccate1"));
    Lemieradiopreferite1->menuAction()->setObjectName(QStringLiteral("Lemieradiopreferite1"));
    New1->menuAction()->setObjectName(QStringLiteral("New1"));

    // Fixed orders: most-clicked from slot 15 down, the others from slot 1 up.
    auto add = [this](QMenu *menu, int panel, int slot) {
        QAction *entry = menu->addAction(QString());
        entry->setObjectName(QStringLiteral("Radio_%1_%2").arg(panel).arg(slot));
        entry->setData(slot);
        m_entries[static_cast<std::size_t>(panel)][static_cast<std::size_t>(slot)] = entry;
        connect(entry, &QAction::triggered, this, [this, panel, slot] { Q_EMIT radioEntryTriggered(panel, slot); });
        return entry;
    };
    for (int slot = 15; slot >= 1; --slot)
        add(Leradiopicliccate1, 1, slot);
    for (int slot = 1; slot <= 15; ++slot)
        add(Lemieradiopreferite1, 2, slot)->setVisible(false);
    Lemieradiopreferite1->menuAction()->setEnabled(false);
    for (int slot = 1; slot <= 15; ++slot)
        add(New1, 3, slot);

    m_icon->setContextMenu(PopupMenu1);
    m_icon->setToolTip(QString::fromUtf8(DesignHint));
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // StatusNotifierItem hosts (KDE, GNOME) send only single activations.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT activated();
    });
}

TrayIcon::~TrayIcon()
{
    delete PopupMenu1;
}

QAction *TrayIcon::radioEntry(int panel, int slot) const
{
    if (panel < 1 || panel > 3 || slot < 1 || slot > 15)
        return nullptr;
    return m_entries[static_cast<std::size_t>(panel)][static_cast<std::size_t>(slot)];
}

void TrayIcon::setHint(const QString &hint)
{
    m_icon->setToolTip(hint);
}

QString TrayIcon::hint() const
{
    return m_icon->toolTip();
}

void TrayIcon::show()
{
    m_icon->show();
}

bool TrayIcon::trayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::rebuildFavourites()
{
    // A tray menu opened while empty is not offered again by some trays
    // until it is built anew.
    QMenu *menu = Lemieradiopreferite1;
    bool any = false;
    for (int slot = 1; slot <= 15; ++slot)
        menu->removeAction(radioEntry(2, slot));
    for (int slot = 1; slot <= 15; ++slot) {
        QAction *entry = radioEntry(2, slot);
        menu->addAction(entry);
        any = any || entry->isVisible();
    }
    menu->menuAction()->setEnabled(any);
}

bool TrayIcon::isVisible() const
{
    return m_icon->isVisible();
}
