#include "stationpanels.h"

#include "clickablelabel.h"

#include "theme/designimages.h"

#include <QEvent>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int EntryWidth = 130;
constexpr int EntryHeight = 15;
constexpr int SeparatorHeight = 3;
constexpr int RowHeight = EntryHeight + SeparatorHeight;

// The tab tag: only the favourites page has tag 1.
constexpr int FavouritesTag = 1;

QString entryStyle()
{
    return QStringLiteral("color: white; background: transparent; font-family: Tahoma, 'DejaVu Sans';"
                          " font-size: 10px; font-weight: bold;");
}

} // namespace

StationPanels::StationPanels(QWidget *mainPanel, QLabel *description, TextFor text, NameFor name)
    : QObject(mainPanel)
    , m_description(description)
    , m_text(std::move(text))
    , m_name(std::move(name))
{
    setObjectName(QStringLiteral("StationPanels"));
    PageControl1 = new QTabWidget(mainPanel);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::West);
    PageControl1->setGeometry(559, 56, 157, 276);
    PageControl1->tabBar()->setMouseTracking(true);
    PageControl1->tabBar()->installEventFilter(this);

    const QString cover = QStringLiteral("Caricamento emittenti in corso");
    QWidget *one = buildPage(1, QStringLiteral("Img_Evidenziato2_"), QStringLiteral("Image_1_"),
                             QStringLiteral("Pnl_Caricamento1"), cover);
    QWidget *two = buildPage(2, QStringLiteral("Img_Evidenziato3_"), QStringLiteral("Img_2_"),
                             QStringLiteral("Pnl_NessunaEmittente"), QStringLiteral("Nessuna emittente personale impostata"));
    QWidget *three = buildPage(3, QStringLiteral("Img_Evidenziato4_"), QStringLiteral("Image_3_"),
                               QStringLiteral("Pnl_Caricamento2"), cover);
    one->setObjectName(QStringLiteral("TabSheet1"));
    two->setObjectName(QStringLiteral("TabSheet2"));
    three->setObjectName(QStringLiteral("TabSheet5"));
    one->setProperty("tag", 0);
    two->setProperty("tag", FavouritesTag);
    three->setProperty("tag", 0);
    PageControl1->addTab(one, QStringLiteral("Le radio più cliccate"));
    PageControl1->addTab(two, QStringLiteral("Le radio preferite"));
    PageControl1->addTab(three, QStringLiteral("New"));
    connect(PageControl1, &QTabWidget::currentChanged, this, &StationPanels::onPageChanged);

    Label2 = buildSideLabel(mainPanel, "Label2", QStringLiteral("Ricerca Radio"), QRect(561, 17, 76, 14), 2);
    Label3 = buildSideLabel(mainPanel, "Label3", QStringLiteral("Visualizza tutte"), QRect(637, 17, 79, 14), 3);
    Lbl_SostieniSonvela = buildSideLabel(mainPanel, "Lbl_SostieniSonvela", QStringLiteral("HOT video"),
                                         QRect(563, 34, 90, 14), 12);
    ImgIndietro = buildSideLabel(mainPanel, "ImgIndietro", QString(), QRect(668, 34, 16, 14), 8);
    ImgAvanti = buildSideLabel(mainPanel, "ImgAvanti", QString(), QRect(690, 34, 16, 14), 9);
    ImgIndietro->setPixmap(DesignImages::historyArrow(false));
    ImgAvanti->setPixmap(DesignImages::historyArrow(true));
    ImgIndietro->setToolTip(QStringLiteral("Torna alla pagina precedente"));
    ImgAvanti->setToolTip(QStringLiteral("Vai alla pagina successiva"));
}

QWidget *StationPanels::buildPage(int panel, const QString &barPrefix, const QString &separatorPrefix,
                                  const QString &coverName, const QString &coverText)
{
    Panel &p = m_panels[static_cast<std::size_t>(panel)];
    p.page = new QWidget;
    p.page->setAutoFillBackground(true);
    p.page->setStyleSheet(QStringLiteral("background: black;"));
    for (int n = 1; n <= 15; ++n) {
        QLabel *bar = new QLabel(p.page);
        bar->setObjectName(barPrefix + QString::number(n));
        bar->setPixmap(DesignImages::highlightBar());
        bar->setGeometry(0, (barRow(panel, n) - 1) * RowHeight, EntryWidth, EntryHeight);
        bar->hide();
        p.bars[static_cast<std::size_t>(n)] = bar;
    }
    for (int n = 1; n <= 15; ++n) {
        auto *label = new ClickableLabel(p.page);
        label->setObjectName(QStringLiteral("Lbl_%1_%2").arg(panel).arg(n));
        label->setProperty("tag", n);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(entryStyle());
        label->setText(panel == 2 ? QStringLiteral("555555555") : QStringLiteral("__________________"));
        label->hide();
        connect(label, &ClickableLabel::clicked, this, [this, panel, n] { Q_EMIT entryClicked(panel, n); });
        connect(label, &ClickableLabel::hovered, this, [this, panel, n] { onEntryHovered(panel, n); });
        connect(label, &ClickableLabel::stepped, this, [this, panel, label](int direction) { step(panel, label, direction); });
        label->setDescriber([this, panel, n] { return entryDescription(panel, n); });
        p.entries[static_cast<std::size_t>(n)] = label;
        p.order.push_back(label);
        if (n < 15) {
            QLabel *separator = new QLabel(p.page);
            separator->setObjectName(separatorPrefix + QString::number(n));
            separator->setPixmap(DesignImages::separator());
            p.separators[static_cast<std::size_t>(n)] = separator;
            p.order.push_back(separator);
        }
    }
    layout(p);

    auto *cover = new QLabel(p.page);
    cover->setObjectName(coverName);
    cover->setGeometry(0, 0, EntryWidth, 266);
    cover->setPixmap(DesignImages::coverBackground(QSize(EntryWidth, 266)));
    auto *caption = new QLabel(coverText, cover);
    caption->setObjectName(coverName == QLatin1String("Pnl_Caricamento1")   ? QStringLiteral("Lbl_CaricamentoClassifica")
                           : coverName == QLatin1String("Pnl_Caricamento2") ? QStringLiteral("Lbl_CaricamentoNews")
                                                                            : QStringLiteral("Lbl_EmittentiPersonali"));
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("color: #dddddd; background: transparent; font-size: 11px;"));
    caption->setGeometry(4, 120, EntryWidth - 8, 60);
    p.cover = cover;
    return p.page;
}

ClickableLabel *StationPanels::buildSideLabel(QWidget *parent, const char *name, const QString &caption, QRect rect,
                                              int tag)
{
    QLabel *bar = new QLabel(parent);
    bar->setObjectName(QStringLiteral("Img_Evidenziato1_%1").arg(tag));
    bar->setPixmap(DesignImages::highlightBar().scaled(rect.size()));
    bar->setGeometry(rect);
    bar->hide();
    m_sideBars[static_cast<std::size_t>(tag)] = bar;

    auto *label = new ClickableLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setProperty("tag", tag);
    label->setText(caption);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(rect);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent; font-size: 9px; font-weight: bold;"));
    connect(label, &ClickableLabel::clicked, this, [this, tag] { Q_EMIT sideClicked(tag); });
    connect(label, &ClickableLabel::hovered, this, [this, tag] { onSideHovered(tag); });
    label->setDescriber([this, tag] { return sideDescription(tag); });
    return label;
}

ClickableLabel *StationPanels::entry(int panel, int slot) const
{
    if (panel < 1 || panel > 3 || slot < 1 || slot > 15)
        return nullptr;
    return m_panels[static_cast<std::size_t>(panel)].entries[static_cast<std::size_t>(slot)];
}

QLabel *StationPanels::separator(int panel, int n) const
{
    if (panel < 1 || panel > 3 || n < 1 || n > 14)
        return nullptr;
    return m_panels[static_cast<std::size_t>(panel)].separators[static_cast<std::size_t>(n)];
}

QLabel *StationPanels::bar(int panel, int number) const
{
    if (panel < 1 || panel > 3 || number < 1 || number > 15)
        return nullptr;
    return m_panels[static_cast<std::size_t>(panel)].bars[static_cast<std::size_t>(number)];
}

int StationPanels::barNumberFor(int panel, int slot)
{
    return panel == 3 ? 16 - slot : slot;
}

int StationPanels::barRow(int panel, int number)
{
    return panel == 1 ? 16 - number : number;
}

void StationPanels::showLoadingProblem(const QString &problem)
{
    for (int panel : {1, 3}) {
        auto *caption = m_panels[static_cast<std::size_t>(panel)].cover->findChild<QLabel *>();
        caption->setText(problem.isEmpty() ? m_text(panel == 1 ? 126 : 128) : problem);
    }
}

QWidget *StationPanels::cover(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_panels[static_cast<std::size_t>(panel)].cover : nullptr;
}

void StationPanels::fillCatalogueSlot(int panel, int slot, const CatalogueStation &station)
{
    Panel &p = m_panels[static_cast<std::size_t>(panel)];
    ClickableLabel *label = p.entries[static_cast<std::size_t>(slot)];
    label->setVisible(true);
    label->setToolTip(m_text(65) + QStringLiteral(": ") + station.Name);
    label->setText(station.LabelText);
    moveToTop(p, label);
    if (slot <= 14)
        moveToTop(p, p.separators[static_cast<std::size_t>(slot)]);
    else
        p.cover->hide();
    layout(p);
}

void StationPanels::refreshFavourites(const PersonalStations &slots)
{
    Panel &p = m_panels[2];
    for (int n = 1; n <= 15; ++n) {
        const PersonalStation &f = slots[static_cast<std::size_t>(n - 1)];
        ClickableLabel *label = p.entries[static_cast<std::size_t>(n)];
        label->setText(f.label);
        label->setVisible(f.id != 0);
        label->setToolTip(m_text(65) + QStringLiteral(": ") + f.name);
    }
    int last = 1;
    for (int n = 1; n <= 14; ++n) {
        const bool captioned = p.entries[static_cast<std::size_t>(n)]->text().size() >= 2;
        p.separators[static_cast<std::size_t>(n)]->setVisible(captioned);
        if (captioned)
            last = n;
    }
    p.separators[static_cast<std::size_t>(last)]->hide();
    layout(p);
}

void StationPanels::hideAllBars()
{
    for (const Panel &p : m_panels) {
        for (QLabel *bar : p.bars) {
            if (bar)
                bar->hide();
        }
    }
    for (QLabel *bar : m_sideBars) {
        if (bar)
            bar->hide();
    }
}

void StationPanels::moveToTop(Panel &panel, QWidget *item)
{
    std::erase(panel.order, item);
    panel.order.insert(panel.order.begin(), item);
}

void StationPanels::layout(Panel &panel)
{
    int y = 0;
    QWidget *previous = nullptr;
    for (QWidget *item : panel.order) {
        if (item->isHidden())
            continue;
        const bool entry = qobject_cast<ClickableLabel *>(item);
        item->setGeometry(0, y, EntryWidth, entry ? EntryHeight : SeparatorHeight);
        y += entry ? EntryHeight : SeparatorHeight;
        // Tab goes down the panel as the eye does.
        if (entry && previous)
            QWidget::setTabOrder(previous, item);
        if (entry)
            previous = item;
    }
}

void StationPanels::step(int panel, ClickableLabel *from, int direction)
{
    const std::vector<QWidget *> &order = m_panels[static_cast<std::size_t>(panel)].order;
    auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end())
        return;
    // The next shown entry that way; none past either end.
    while (direction < 0 ? at != order.begin() : std::next(at) != order.end()) {
        at = direction < 0 ? std::prev(at) : std::next(at);
        if (qobject_cast<ClickableLabel *>(*at) && !(*at)->isHidden()) {
            (*at)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void StationPanels::watchBackground(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool StationPanels::eventFilter(QObject *watched, QEvent *event)
{
    // Moving over the background clears the description; the bars stay lit.
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        m_description->setText(QStringLiteral(" "));
        m_description->setAutoFillBackground(false);
        m_description->hide();
    }
    return QObject::eventFilter(watched, event);
}

QString StationPanels::entryDescription(int panel, int slot) const
{
    return m_text(49) + QLatin1Char(' ') + m_name(panel, slot);
}

QString StationPanels::sideDescription(int tag) const
{
    switch (tag) {
    case 2:
        return m_text(87);
    case 3:
        return m_text(88);
    case 12:
        return m_text(13);
    case 9:
        return m_text(46);
    case 8:
        return m_text(45);
    default:
        return QString();
    }
}

void StationPanels::onEntryHovered(int panel, int slot)
{
    hideAllBars();
    if (QLabel *b = bar(panel, barNumberFor(panel, slot)))
        b->show();
    describe(entryDescription(panel, slot));
}

void StationPanels::onSideHovered(int tag)
{
    // The arrows leave the bars as they are.
    if (tag == 2 || tag == 3 || tag == 12) {
        hideAllBars();
        m_sideBars[static_cast<std::size_t>(tag)]->show();
    }
    describe(sideDescription(tag));
}

void StationPanels::describe(const QString &text)
{
    // The line lies over the listening area's tabs: opaque only while it speaks.
    m_description->setText(text);
    m_description->setAutoFillBackground(true);
    m_description->show();
    m_description->raise();
}

void StationPanels::onPageChanged(int index)
{
    QWidget *page = PageControl1->widget(index);
    const bool favourites = page && page->property("tag").toInt() == FavouritesTag;
    m_panels[2].cover->setVisible(!(favourites && m_anyFavourite));
}
