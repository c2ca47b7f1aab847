#pragma once

#include "browserfactory.h"

#include <memory>

class QNetworkAccessManager;
class QObject;
class QWidget;
class WebEngineSession;

// The one place that picks the engine behind each kind of browser.
class PlatformFactory final : public BrowserFactory
{
public:
    PlatformFactory();
    ~PlatformFactory() override;
    PlatformFactory(const PlatformFactory &) = delete;
    PlatformFactory &operator=(const PlatformFactory &) = delete;

    Browser *createVisibleBrowser(QWidget *parent) override;
    Browser *createPlayerBrowser(QWidget *parent) override;
    Browser *createCaptureBrowser(QObject *owner) override;

private:
    WebEngineSession &session();

    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<WebEngineSession> m_session;
};
