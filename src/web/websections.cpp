#include "websections.h"

#include "userpagechange.h"

#include "platform/browser.h"
#include "service/mirrorpool.h"
#include "service/servicerequests.h"
#include "stations/listeningarea.h"

#include <QEvent>
#include <QLabel>
#include <QTabWidget>

namespace {

constexpr int LabelHeight = 14;
constexpr const char *StartPaths[] = {"/plugin/vacanze/", "/plugin/fb/", "/plugin/news/"};
constexpr const char *LabelNames[] = {"Lbl_CaricamentoHotel", "Lbl_CaricamentoCommunity", "Lbl_CaricamentoNew"};

} // namespace

WebSections::WebSections(const ListeningArea &area, Browsers sections, MirrorPool &mirrors, Fields fields,
                         QString productSite, TextFor text, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_browsers(sections)
    , m_mirrors(mirrors)
    , m_fields(fields)
    , m_productSite(std::move(productSite))
    , m_text(std::move(text))
{
    for (int s = 0; s < SectionFlags::SectionCount; ++s)
        watchLoading(m_browsers[static_cast<std::size_t>(s)], SectionFlags::pageOf(static_cast<SectionFlags::Section>(s)),
                     LabelNames[s]);
    watchLoading(m_area.Wb_Catalogo, m_area.Tb_Catalogo, "Lbl_caricamentoCatalogo");
    auto *user = new UserPageChange(m_area.Pnl_Ascolta);
    connect(user, &UserPageChange::changed, this, &WebSections::Pnl_AscoltaChange);
}

QString WebSections::startPage(SectionFlags::Section section) const
{
    return m_productSite + QLatin1String(StartPaths[section]);
}

void WebSections::Pnl_AscoltaChange()
{
    if (!m_fields.StationStarted)
        fullHeightLayout();
    const SectionFlags::Plan plan = m_flags.pageChanged(m_area.Pnl_Ascolta->currentIndex(), m_fields.StationStarted);
    if (plan.recorderVisit && m_recorderVisit)
        m_recorderVisit();
    if (plan.sponsorLayout)
        sponsorLayout();
    blank(plan.blank);
    if (plan.open < 0)
        return;
    const auto section = static_cast<SectionFlags::Section>(plan.open);
    Browser *browser = m_browsers[section];
    if (plan.loadStartPage)
        browser->navigate(startPage(section));
    // Nothing to go back to leaves the section on its blank page.
    if (plan.goBack)
        browser->goBack();
}

void WebSections::blank(const std::vector<SectionFlags::Section> &sections)
{
    // The blank page is what silences a section that plays sound or video.
    // One already blank stays as it is: a second blank page in its history
    // would make the next visit go back to blank.
    const QString blankPage = QStringLiteral("about:blank");
    for (SectionFlags::Section s : sections) {
        if (m_browsers[s]->locationUrl() != blankPage)
            m_browsers[s]->navigate(blankPage);
    }
}

void WebSections::fullHeightLayout()
{
    m_area.Pnl_Ascolta->setGeometry(1, 1, 559, 459);
    m_area.Pnl_Ascolta->show();
    m_area.Pnl_Ascolta->raise();
    m_area.Panel1->hide();
    m_area.Panel1->lower();
}

void WebSections::sponsorLayout()
{
    m_area.Pnl_Ascolta->setGeometry(1, 1, 559, 392);
    m_area.Pnl_Ascolta->show();
    m_area.Pnl_Ascolta->raise();
    m_area.Panel1->show();
    m_area.Panel1->raise();
    const QString base = m_mirrors.serverBase();
    m_area.WebBrowser2->navigate(m_fields.HotVideoMode ? ServiceRequests::stripHotPage(base)
                                                       : ServiceRequests::stripStationDetail(base));
}

void WebSections::watchLoading(Browser *browser, int page, const char *labelName)
{
    QWidget *pageWidget = m_area.Pnl_Ascolta->widget(page);
    auto *label = new QLabel(pageWidget);
    label->setObjectName(QLatin1String(labelName));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->hide();
    connect(browser, &Browser::progressChange, label, [this, label](int progress, int progressMax) {
        label->setText(m_text(60));
        label->setVisible(progress < progressMax);
        label->raise();
    });
    pageWidget->installEventFilter(this);
    fitPage(pageWidget);
}

bool WebSections::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fitPage(static_cast<QWidget *>(watched));
    return false;
}

void WebSections::fitPage(QWidget *page)
{
    // The section's page fills its tab; its loading label runs along the bottom.
    const QRect area = page->rect();
    for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel *>(child))
            child->setGeometry(0, area.height() - LabelHeight - 2, area.width(), LabelHeight);
        else
            child->setGeometry(area);
    }
}
