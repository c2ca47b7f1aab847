#include "platformfactory.h"

#include "exactsourcebrowser.h"
#include "webenginebrowser.h"
#include "webenginesession.h"

#include <QNetworkAccessManager>

PlatformFactory::PlatformFactory()
    : m_network(std::make_unique<QNetworkAccessManager>())
{
}

PlatformFactory::~PlatformFactory() = default;

WebEngineSession &PlatformFactory::session()
{
    if (!m_session)
        m_session = std::make_unique<WebEngineSession>();
    return *m_session;
}

Browser *PlatformFactory::createVisibleBrowser(QWidget *parent)
{
    return new WebEngineBrowser(session(), parent);
}

Browser *PlatformFactory::createPlayerBrowser(QWidget *parent)
{
    // Its renderer starts while the start-up pages load, not after them.
    auto *player = new WebEngineBrowser(session(), parent, WebEngineSession::Group::Player);
    player->startRenderer();
    return player;
}

Browser *PlatformFactory::createCaptureBrowser(QObject *owner)
{
    return new ExactSourceBrowser(m_network.get(), owner);
}
