#pragma once

#include "failoverpacer.h"

#include <QObject>
#include <QTimer>

#include <functional>

class Browser;
class Clock;
class MirrorPool;
class ServiceAccessHost;

// The title protocols: the access handshake on WB_Principale, the sponsor
// strip's failover on WebBrowser2 and the station page feedback of Wb_Radio.
class ServiceAccess final : public QObject
{
    Q_OBJECT
public:
    // Fields of the main window that these handlers read and write.
    struct Fields
    {
        QString &AccessTitle;
        QString &PageStationName;
        int &StationSource;
        const QString &UserId;
        const bool &HotVideoMode;
        const bool &MessengerFlag;
    };

    ServiceAccess(MirrorPool &mirrors, Fields fields, ServiceAccessHost &host, Clock &clock,
                  QObject *parent = nullptr);

    // Connects the handlers to the three browsers.
    void attach(Browser &principale, Browser &strip, Browser &radio);

    void sendAccessRequest();
    void sendStripRequest();

    QTimer &aggiornaTimer() { return m_aggiornaTimer; }
    // The text of interface entry 63 ("Stai ascoltando") in the current language.
    void setListeningText(std::function<QString()> text) { m_listeningText = std::move(text); }
    void setLoadingText(std::function<QString()> text) { m_loadingText = std::move(text); }

public Q_SLOTS:
    void WB_PrincipaleTitleChange(const QString &title);
    void WB_PrincipaleProgressChange(int progress, int progressMax);
    void WebBrowser2TitleChange(const QString &title);
    void Wb_RadioTitleChange(const QString &title);
    void Wb_RadioProgressChange(int progress, int progressMax);
    void aggiornaTimerTimer();

private:
    void rotateAfterAccessFailure();
    void mirrorAnswered();
    void forgetNameElsewhere();
    QString stripAddress() const;
    // Navigates now, or after the pacer's wait at the end of a failed round;
    // a later call for the same browser replaces a send still waiting.
    void sendPaced(Browser &browser, FailoverPacer &pacer, int &ticket, const QString &address);

    MirrorPool &m_mirrors;
    Fields m_fields;
    ServiceAccessHost &m_host;
    Clock &m_clock;
    FailoverPacer m_accessPacer;
    FailoverPacer m_stripPacer;
    int m_accessTicket = 0;
    int m_stripTicket = 0;
    Browser *m_principale = nullptr;
    Browser *m_strip = nullptr;
    Browser *m_radio = nullptr;
    QString m_namedAt; // where the station page gave PageStationName
    QTimer m_aggiornaTimer;
    std::function<QString()> m_listeningText;
    std::function<QString()> m_loadingText;
};
