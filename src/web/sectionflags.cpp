#include "sectionflags.h"

int SectionFlags::sectionOfPage(int page)
{
    return page >= 4 && page <= 6 ? page - 4 : -1;
}

SectionFlags::Plan SectionFlags::pageChanged(int page, bool stationStarted)
{
    Plan plan;
    switch (page) {
    case 0:
        blankOthers(-1, plan);
        break;
    case 1:
        plan.recorderVisit = true;
        break;
    case 4:
    case 5:
    case 6: {
        const int section = sectionOfPage(page);
        plan.sponsorLayout = page != 4 && !stationStarted;
        blankOthers(section, plan);
        plan.open = section;
        if (!m_loaded[section]) {
            plan.loadStartPage = true;
            m_loaded[section] = true;
        }
        plan.goBack = m_blanked[section];
        break;
    }
    case 8:
        plan.sponsorLayout = !stationStarted;
        blankOthers(-1, plan);
        break;
    default:
        break;
    }
    return plan;
}

void SectionFlags::blankOthers(int keep, Plan &plan)
{
    for (int s = 0; s < SectionCount; ++s) {
        if (s == keep)
            continue;
        // The flag says "went blank at the last pass": it is cleared first and
        // set again only for a section that had a page to leave.
        m_blanked[s] = m_loaded[s];
        if (m_loaded[s])
            plan.blank.push_back(static_cast<Section>(s));
    }
}
