#include "platform/deployment.h"
#include "platform/standinlauncher.h"
#include "service/servicerequests.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <unistd.h>

// The real stand-in, started as the client starts it: each test finds a
// block of free ports of its own, so that parallel runs and a stand-in on
// the default ports do not meet.
namespace {

constexpr int PortSpan = 13;
constexpr int WaitMs = 10000;
const char *const ChildPortVariable = "SONVELA_TEST_STANDIN_PORT";

// The launcher's stand-in serves the seed stations here, never the real
// directory, and keeps its database in a data folder of the test's own.
QTemporaryDir dataFolder;
[[maybe_unused]] const bool sandboxed =
    qputenv("SONVELA_STATIONS", "seed") && qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());

QString standinProgram()
{
    return QString::fromLocal8Bit(qgetenv("SONVELA_BUILD_DIR")) + QStringLiteral("/bin/sonvela-standin");
}

bool portsFree(int base)
{
    for (int port = base; port < base + PortSpan; ++port) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, static_cast<quint16>(port)))
            return false;
    }
    return true;
}

int freeBasePort()
{
    std::random_device device;
    std::uniform_int_distribution<int> base(33000, 45000);
    for (int attempt = 0; attempt < 40; ++attempt) {
        const int candidate = base(device);
        if (portsFree(candidate))
            return candidate;
    }
    return 0;
}

QString mirrorAt(int port)
{
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

bool listens(const QHostAddress &host, int port)
{
    QTcpSocket socket;
    socket.connectToHost(host, static_cast<quint16>(port));
    return socket.waitForConnected(1000);
}

// Children of this process that run the stand-in, zombies included.
QList<qint64> standinChildren()
{
    QList<qint64> found;
    const QString self = QString::number(::getpid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid ...": the name may hold spaces, the rest does not.
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const qsizetype close = line.lastIndexOf(QLatin1Char(')'));
        const QStringList rest = line.mid(close + 2).split(QLatin1Char(' '));
        if (close > 0 && rest.size() > 1 && rest[1] == self && line.contains(QLatin1String("(sonvela-standin)")))
            found << pid.toLongLong();
    }
    return found;
}

// Whether a process is gone; a zombie nobody reaps counts as gone.
bool processGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

QByteArray fetch(const QString &url)
{
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(QNetworkRequest(QUrl(url)));
    reply->setParent(&network);
    const bool finished = QTest::qWaitFor([reply] { return reply->isFinished(); }, WaitMs);
    return finished && reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
}

DeploymentReading readingOf(const QTemporaryDir &folder)
{
    return loadDeployment({folder.path() + QLatin1Char('/')});
}

} // namespace

TEST(StandinLauncher, WithoutDeploymentTheClientReachesAStandinOnLoopbackUntilItEnds)
{
    const int base = freeBasePort();
    ASSERT_NE(base, 0) << "no free block of ports";
    QTemporaryDir settings;
    qint64 standin = 0;
    {
        StandinLauncher launcher(standinProgram(), mirrorAt(base));
        QString problem;
        ASSERT_TRUE(launcher.startWithoutDeployment(readingOf(settings), WaitMs, &problem)) << problem.toStdString();
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        const QList<qint64> children = standinChildren();
        ASSERT_EQ(children.size(), 1);
        standin = children[0];

        // The client's own catalogue request gets the stand-in's stations.
        const QByteArray catalogue = fetch(ServiceRequests::catalogue(QStringLiteral("http://") + mirrorAt(base)));
        EXPECT_TRUE(catalogue.startsWith("http://" + mirrorAt(base).toUtf8() + "/Radio/mostraRadio.asp?Id="))
            << catalogue.left(200).toStdString();
        EXPECT_TRUE(catalogue.contains("<BR>Radio Aurora<BR>")) << catalogue.left(200).toStdString();
        EXPECT_TRUE(QFileInfo::exists(dataFolder.filePath(QStringLiteral("sonvela/service.sqlite"))));

        // Loopback only: the machine's other addresses do not answer.
        for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
            if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol) {
                EXPECT_FALSE(listens(address, base)) << address.toString().toStdString();
            }
        }
    }
    EXPECT_TRUE(processGone(standin));
    EXPECT_TRUE(standinChildren().isEmpty());
    EXPECT_FALSE(listens(QHostAddress::LocalHost, base));
}

// Run only as the child of the test below: starts a stand-in, says its pid
// and dies without a chance to stop it.
TEST(StandinLauncher, DISABLED_ClientThatDies)
{
    const int base = qEnvironmentVariableIntValue(ChildPortVariable);
    ASSERT_NE(base, 0);
    QTemporaryDir settings;
    auto *launcher = new StandinLauncher(standinProgram(), mirrorAt(base));
    QString problem;
    ASSERT_TRUE(launcher->startWithoutDeployment(readingOf(settings), WaitMs, &problem)) << problem.toStdString();
    const QList<qint64> children = standinChildren();
    ASSERT_EQ(children.size(), 1);
    std::printf("standin %lld\n", children[0]);
    std::fflush(stdout);
    std::raise(SIGKILL);
}

TEST(StandinLauncher, StandinEndsWithAClientThatDies)
{
    const int base = freeBasePort();
    ASSERT_NE(base, 0) << "no free block of ports";
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildPortVariable), QString::number(base));
    client.setProcessEnvironment(environment);
    client.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_also_run_disabled_tests"),
                  QStringLiteral("--gtest_filter=StandinLauncher.DISABLED_ClientThatDies")});
    ASSERT_TRUE(client.waitForFinished(WaitMs + 5000));
    ASSERT_EQ(client.exitStatus(), QProcess::CrashExit) << client.readAll().toStdString();
    const QByteArray said = client.readAllStandardOutput();
    const qsizetype at = said.indexOf("standin ");
    ASSERT_GE(at, 0) << said.toStdString();
    const qint64 standin = said.mid(at + 8).split('\n').first().toLongLong();
    ASSERT_GT(standin, 0);

    EXPECT_TRUE(QTest::qWaitFor([standin] { return processGone(standin); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([base] { return !listens(QHostAddress::LocalHost, base); }, 5000));
    if (!processGone(standin))
        ::kill(static_cast<pid_t>(standin), SIGKILL); // leave no orphan behind a failure
}

TEST(StandinLauncher, ADeploymentThatNamesAServiceStartsNone)
{
    const int base = freeBasePort();
    ASSERT_NE(base, 0) << "no free block of ports";
    QTemporaryDir settings;
    QFile ini(settings.filePath(QStringLiteral("deployment.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[service]\nmirror1 = radio.velmora.example:80\n");
    ini.close();
    const DeploymentReading named = readingOf(settings);
    ASSERT_TRUE(named.problems.isEmpty()) << named.problems.join(QLatin1Char('\n')).toStdString();

    // Nor does a deployment that could not be read: it too meant a service.
    QTemporaryDir unreadable;
    ASSERT_TRUE(QDir(unreadable.path()).mkdir(QStringLiteral("deployment.ini")));
    const DeploymentReading meant = readingOf(unreadable);
    ASSERT_FALSE(meant.problems.isEmpty());

    for (const DeploymentReading &reading : {named, meant}) {
        StandinLauncher launcher(standinProgram(), mirrorAt(base));
        QString problem;
        EXPECT_TRUE(launcher.startWithoutDeployment(reading, WaitMs, &problem));
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        EXPECT_TRUE(standinChildren().isEmpty());
        EXPECT_FALSE(listens(QHostAddress::LocalHost, base));
    }
}
