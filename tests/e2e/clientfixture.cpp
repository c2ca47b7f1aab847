#include "clientfixture.h"

#include "platform/webenginebrowser.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

#include <random>

std::unique_ptr<StandinServer> ClientTest::s_server;
std::unique_ptr<PlatformFactory> ClientTest::s_browsers;
std::unique_ptr<QTemporaryDir> ClientTest::s_logDir;

void ClientTest::SetUpTestSuite()
{
    std::random_device device;
    std::uniform_int_distribution<int> base(20000, 32000);
    std::string error;
    s_logDir = std::make_unique<QTemporaryDir>();
    for (int attempt = 0; attempt < 40 && !s_server; ++attempt) {
        StandinConfig config;
        config.basePort = base(device);
        config.logPath = s_logDir->filePath(QStringLiteral("requests.log")).toStdString();
        auto server = std::make_unique<StandinServer>(config);
        if (server->start(&error))
            s_server = std::move(server);
    }
    ASSERT_NE(s_server, nullptr) << error;
    s_browsers = std::make_unique<PlatformFactory>();
}

void ClientTest::TearDownTestSuite()
{
    s_browsers.reset();
    s_server.reset();
    s_logDir.reset();
}

int ClientTest::requestsFor(int port, const QString &target)
{
    QFile log(s_logDir->filePath(QStringLiteral("requests.log")));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray portField = "\"port\":" + QByteArray::number(port) + ',';
    const QByteArray pathField = "\"path\":\"" + target.toUtf8() + '"';
    int count = 0;
    for (const QByteArray &line : log.readAll().split('\n'))
        count += line.contains(portField) && line.contains(pathField) ? 1 : 0;
    return count;
}

void ClientTest::TearDown()
{
    window.reset();
    for (int mirror = 1; mirror <= 6; ++mirror)
        setFault(mirror, FaultMode::None);
}

Deployment ClientTest::deployment() const
{
    const StandinConfig &config = s_server->config();
    Deployment d = Deployment::defaults();
    for (int n = 1; n <= 6; ++n)
        d.mirrors[static_cast<std::size_t>(n - 1)] = QStringLiteral("127.0.0.1:%1").arg(config.mirrorPort(n));
    d.product = QStringLiteral("127.0.0.1:%1").arg(config.productPort());
    d.maker = QStringLiteral("127.0.0.1:%1").arg(config.makerPort());
    d.partner1 = QStringLiteral("127.0.0.1:%1").arg(config.partnerPort(1));
    d.partner2 = QStringLiteral("127.0.0.1:%1").arg(config.partnerPort(2));
    return d;
}

void ClientTest::setFault(int mirror, FaultMode mode)
{
    std::string error;
    ASSERT_TRUE(s_server->setFault(mirror, mode, &error)) << error;
}

void ClientTest::startClient(int firstMirror, const WallClock *clock)
{
    random.value = firstMirror - 1;
    const QString root = sandbox.path();
    QDir().mkpath(root + QStringLiteral("/config/Sonvela"));
    QDir().mkpath(root + QStringLiteral("/tmp"));
    TFrm_Sonvela::Platform platform{*s_browsers, dialogs, shell, notices, random, nullptr,
                                    SystemFolders(root + QStringLiteral("/config/Sonvela"), root + QStringLiteral("/tmp"),
                                                  root + QStringLiteral("/home/Sonvela")),
                                    deployment(), recordingModule};
    platform.wallClock = clock;
    window = std::make_unique<TFrm_Sonvela>(platform);
    window->FormCreate();
    window->show();
}

WebEngineBrowser &ClientTest::radio()
{
    return *dynamic_cast<WebEngineBrowser *>(window->listeningArea().Wb_Radio);
}

QVariant ClientTest::evaluateInRadio(const QString &script, ScriptWait wait)
{
    return evaluateIn(radio(), script, wait);
}
