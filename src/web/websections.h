#pragma once

#include "sectionflags.h"

#include <QObject>

#include <array>
#include <functional>

class Browser;
class MirrorPool;
class QLabel;
class QWidget;
struct ListeningArea;

// The web sections of the listening area (Hotel, Community, Novità
// software) and the page-change handling of Pnl_Ascolta: the layout before
// the first station, blanking the sections that are left, loading or going
// back in the one opened, the recorder's visit and the loading labels.
class WebSections final : public QObject
{
    Q_OBJECT
public:
    struct Fields
    {
        const bool &StationStarted;
        const bool &HotVideoMode;
    };
    using Browsers = std::array<Browser *, SectionFlags::SectionCount>; // WB_Hotel, WB_Community, WB_New
    using TextFor = std::function<QString(int)>;

    WebSections(const ListeningArea &area, Browsers sections, MirrorPool &mirrors, Fields fields,
                QString productSite, TextFor text, QObject *parent = nullptr);

    // Runs on every visit of the recorder page (page 1).
    void setRecorderVisit(std::function<void()> visit) { m_recorderVisit = std::move(visit); }

    // The page control's change handling: runs when the user picks a page,
    // and again when the recorder's installation panel asks for it.
    void Pnl_AscoltaChange();

    QString startPage(SectionFlags::Section section) const;
    const SectionFlags &flags() const { return m_flags; }
    Browser *browser(SectionFlags::Section section) const { return m_browsers[section]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void blank(const std::vector<SectionFlags::Section> &sections);
    void sponsorLayout();
    void fullHeightLayout();
    void watchLoading(Browser *browser, int page, const char *labelName);
    static void fitPage(QWidget *page);

    const ListeningArea &m_area;
    Browsers m_browsers;
    MirrorPool &m_mirrors;
    Fields m_fields;
    QString m_productSite;
    TextFor m_text;
    SectionFlags m_flags;
    std::function<void()> m_recorderVisit;
};
