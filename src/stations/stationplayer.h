#pragma once

#include "catalogue.h"

#include <QObject>

#include <functional>

class MirrorPool;
struct ListeningArea;

// Starting stations and service pages in the listening area: the player
// page in Wb_Radio, the sponsor strip and the side sponsor page beside it,
// and StationSource recording what is shown.
class StationPlayer final : public QObject
{
    Q_OBJECT
public:
    struct Fields
    {
        int &StationSource;
        bool &HotVideoMode;
        bool &StationStarted;
        const Catalogue &catalogue;
    };
    using TextFor = std::function<QString(int)>;

    StationPlayer(const ListeningArea &area, MirrorPool &mirrors, Fields fields, TextFor text,
                  QObject *parent = nullptr);

    // The strip's request depends on HotVideoMode; the service part sends it.
    void setStripRequest(std::function<void()> send) { m_sendStrip = std::move(send); }
    // Also cancels a paced strip retry still waiting.
    void sendStripRequest();

    void prepareListeningArea();
    void playCatalogueSlot(Catalogue::List list, int code, bool focus);
    void playStationById(int id, int source);
    void openServicePage(int code);
    // A station page found by the search strip, played as the search page's.
    void openSearchResult(const QString &address);
    void showLoadingLine();
    void loadSidePage();
    void setListeningSize();
    // The tabs of the listening area go to the left with HOT video.
    void putTabsOnTop();
    void putTabsLeft();

    // What each control starts.
    void panelEntryClicked(int panel, int slot, int favouriteId);
    void trayEntryTriggered(int panel, int slot, int favouriteId);
    void serviceLabelClicked(int code);

private:
    const ListeningArea &m_area;
    MirrorPool &m_mirrors;
    Fields m_fields;
    TextFor m_text;
    std::function<void()> m_sendStrip;
};
