#pragma once

#include "cataloguestation.h"

#include "settings/personalstations.h"

#include <QObject>

#include <array>
#include <functional>
#include <vector>

class ClickableLabel;
class QLabel;
class QTabWidget;
class QWidget;

// The three station panels of PageControl1 (most-clicked, favourites, new),
// their highlight bars and covers, and the side controls above them. Entries
// are stacked from the top; a hidden entry takes no room.
class StationPanels final : public QObject
{
    Q_OBJECT
public:
    using TextFor = std::function<QString(int)>;
    using NameFor = std::function<QString(int panel, int slot)>;

    StationPanels(QWidget *mainPanel, QLabel *description, TextFor text, NameFor name);

    QTabWidget *PageControl1;
    ClickableLabel *Label2, *Label3, *Lbl_SostieniSonvela, *ImgAvanti, *ImgIndietro;

    ClickableLabel *entry(int panel, int slot) const;
    QLabel *separator(int panel, int n) const;
    // Highlight bar by its number: Img_Evidenziato2_n, 3_n, 4_n.
    QLabel *bar(int panel, int number) const;
    // The bar that lights for a slot, and its row (1 at the top).
    static int barNumberFor(int panel, int slot);
    static int barRow(int panel, int number);
    QWidget *cover(int panel) const;

    // One filled catalogue slot: caption, hint, moved to the top with its
    // separator above it; slot 15 takes the loading cover away.
    void fillCatalogueSlot(int panel, int slot, const CatalogueStation &station);
    void refreshFavourites(const PersonalStations &slots);
    // The loading covers say why the stations do not come; empty: that they
    // are loading.
    void showLoadingProblem(const QString &problem);
    void setAnyFavourite(bool any) { m_anyFavourite = any; }

    void hideAllBars();
    // Mouse moves over this widget clear the description line.
    void watchBackground(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    void entryClicked(int panel, int slot);
    void sideClicked(int tag);

private:
    struct Panel
    {
        QWidget *page = nullptr;
        std::array<ClickableLabel *, 16> entries{};
        std::array<QLabel *, 16> separators{};
        std::array<QLabel *, 16> bars{};
        QWidget *cover = nullptr;
        std::vector<QWidget *> order; // top to bottom
    };

    QWidget *buildPage(int panel, const QString &barPrefix, const QString &separatorPrefix, const QString &coverName,
                       const QString &coverText);
    ClickableLabel *buildSideLabel(QWidget *parent, const char *name, const QString &caption, QRect rect, int tag);
    void moveToTop(Panel &panel, QWidget *item);
    void layout(Panel &panel);
    void describe(const QString &text);
    // What the description line says over an entry or a side control.
    QString entryDescription(int panel, int slot) const;
    QString sideDescription(int tag) const;
    // An arrow on an entry: focus to the next shown entry of its panel.
    void step(int panel, ClickableLabel *from, int direction);
    void onEntryHovered(int panel, int slot);
    void onSideHovered(int tag);
    void onPageChanged(int index);

    QLabel *m_description;
    TextFor m_text;
    NameFor m_name;
    std::array<Panel, 4> m_panels;
    std::array<QLabel *, 13> m_sideBars{};
    bool m_anyFavourite = false;

    friend class StationPanelsTest;
};
