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

Browser *PlatformFactory::createVisibleBrowser(QWidget *parent)
{
    if (!m_session)
        m_session = std::make_unique<WebEngineSession>();
    return new WebEngineBrowser(*m_session, parent);
}

Browser *PlatformFactory::createCaptureBrowser(QObject *owner)
{
    return new ExactSourceBrowser(m_network.get(), owner);
}
