#pragma once

#include "options/stationselection.h"

#include <QDialog>

#include <functional>

class Browser;
class BrowserFactory;
class PageCapture;
class QEventLoop;
class QPushButton;

// The station selection window: the service's selection page in a visible
// browser, "Esci senza salvare" and "Salva ed esci" below it. It keeps the
// last title its browser reported and captures every page that finishes
// loading into "tmp2SV.txt", which a pick then reads.
class SelectionWindow : public QDialog, public StationSelection
{
    Q_OBJECT
public:
    struct Setup
    {
        BrowserFactory &browsers;
        PageCapture &capture;
        // The selection page on the current mirror, asked at each pick.
        std::function<QString()> selectionAddress;
        // What the page's title is once a station has been picked.
        QString selectionTitle;
        QString tempFolder; // ends in "/"
    };

    // Loads the selection page, shows the window modally and reads the pick.
    StationPick pickStation() override;

    QString lastTitle() const { return m_lastTitle; }
    Browser &browser() { return *m_browser; }
    QString capturePath() const;

    QPushButton *BitBtn1 = nullptr; // "Esci senza salvare"
    QPushButton *BitBtn2 = nullptr; // "Salva ed esci"

protected:
    SelectionWindow(const QString &name, const Setup &setup, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private:
    void onProgress(int progress, int progressMax);
    // A capture still being written when the user saves is waited for, a
    // little: it is the page the user saw.
    void awaitCapture();
    void captureDone();

    Browser *m_browser = nullptr;
    PageCapture &m_capture;
    std::function<QString()> m_selectionAddress;
    QString m_selectionTitle;
    QString m_tempFolder;
    QString m_lastTitle;
    bool m_capturing = false;
    QEventLoop *m_captureWait = nullptr;
};
