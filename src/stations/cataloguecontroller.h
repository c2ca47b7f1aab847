#pragma once

#include <QObject>

#include <functional>

class MirrorPool;
class PageCapture;
class StationPanels;
struct Catalogue;
struct ListeningArea;

// Requests the station catalogue through the hidden WebBrowser3, reads the
// answer once per request and fills the panels, the tray menu and the tab.
class CatalogueController final : public QObject
{
    Q_OBJECT
public:
    struct Fields
    {
        Catalogue &catalogue;
        bool &CatalogueLatch;
        const bool &HotVideoMode;
        const QString &tempFolder;
    };
    struct Ui
    {
        StationPanels *panels;
        std::function<void(int panel, int slot, const QString &name)> setTrayCaption;
        std::function<void(const QString &caption)> setWindowCaption;
    };

    CatalogueController(const ListeningArea &area, MirrorPool &mirrors, Fields fields, Ui ui,
                        PageCapture &capture, QString productSite, QObject *parent = nullptr);

    void requestCatalogue();
    // Whether an answer holding stations has been read in this run.
    bool hasReadStations() const { return m_readStations; }

public Q_SLOTS:
    void WebBrowser3ProgressChange(int progress, int progressMax);

private:
    void takeAnswer();
    void fillPanel(int panel);

    const ListeningArea &m_area;
    MirrorPool &m_mirrors;
    Fields m_fields;
    Ui m_ui;
    PageCapture &m_capture;
    QString m_productSite;
    bool m_readStations = false;
};
