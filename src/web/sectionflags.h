#pragma once

#include <array>
#include <vector>

// What a page change of the listening area does to the web sections, and
// the loaded and blanked flag of each section browser behind that decision.
// A section's start page is requested once per run; leaving it sends it to
// a blank page so its sound stops, and coming back goes back one page.
class SectionFlags final
{
public:
    enum Section { Hotel, Community, New, SectionCount };

    struct Plan
    {
        bool recorderVisit = false;
        bool sponsorLayout = false;        // only while no station has played
        std::vector<Section> blank;        // sent to "about:blank", in order
        int open = -1;                     // section of the page, or -1
        bool loadStartPage = false;        // of `open`
        bool goBack = false;               // of `open`
    };

    // Page index of `Pnl_Ascolta` that shows a section, or -1.
    static int pageOf(Section section) { return 4 + section; }
    static int sectionOfPage(int page);

    // The steps for the page just chosen; the flags move on as if they ran.
    Plan pageChanged(int page, bool stationStarted);

    bool loaded(Section section) const { return m_loaded[section]; }
    bool blanked(Section section) const { return m_blanked[section]; }

private:
    void blankOthers(int keep, Plan &plan);

    std::array<bool, SectionCount> m_loaded{};
    std::array<bool, SectionCount> m_blanked{};
};
