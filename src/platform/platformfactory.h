#pragma once

#include <memory>

class Browser;
class QNetworkAccessManager;
class QObject;
class QWidget;
class WebEngineSession;

// The one place that picks the engine behind each kind of browser.
class PlatformFactory final
{
public:
    PlatformFactory();
    ~PlatformFactory();
    PlatformFactory(const PlatformFactory &) = delete;
    PlatformFactory &operator=(const PlatformFactory &) = delete;

    // A browser a person sees, inside `parent`.
    Browser *createVisibleBrowser(QWidget *parent);
    // A hidden browser that keeps the exact bytes served, owned by `owner`.
    Browser *createCaptureBrowser(QObject *owner);

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<WebEngineSession> m_session;
};
