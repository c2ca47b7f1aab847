#include "standinlauncher.h"

#include "deployment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int StopWaitMs = 3000;

QString hostOf(const QString &address)
{
    return address.section(QLatin1Char(':'), 0, 0);
}

quint16 portOf(const QString &address)
{
    return address.section(QLatin1Char(':'), 1).toUShort();
}

// A deployment that names no service of its own but chooses the stations
// asks for the service started here.
bool wantsLocalService(const DeploymentReading &reading)
{
    if (!reading.problems.isEmpty())
        return false;
    return reading.source.isEmpty()
           || (!reading.deployment.stations.isEmpty() && reading.deployment.mirrors == Deployment::defaults().mirrors);
}

QString stationSource(const Deployment &deployment)
{
    const QString chosen = qEnvironmentVariable("SONVELA_STATIONS");
    if (!chosen.isEmpty())
        return chosen;
    return deployment.stations.isEmpty() ? QStringLiteral("directory") : deployment.stations;
}

QString databasePath()
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/sonvela");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/service.sqlite");
}

} // namespace

StandinLauncher::StandinLauncher(QString program, QString firstMirror)
    : m_program(std::move(program))
    , m_firstMirror(std::move(firstMirror))
{
}

StandinLauncher::~StandinLauncher()
{
    if (!m_process)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(StopWaitMs))
        m_process->kill();
    m_process->waitForFinished(StopWaitMs);
    delete m_process;
}

bool StandinLauncher::startWithoutDeployment(const DeploymentReading &reading, int waitMs, QString *problem)
{
    // A deployment names the service; one that could not be read was meant to.
    if (!wantsLocalService(reading))
        return true;
    return start({QStringLiteral("--base-port"), QString::number(portOf(m_firstMirror)), QStringLiteral("--stations"),
                  stationSource(reading.deployment), QStringLiteral("--db"), databasePath()},
                 waitMs, problem);
}

bool StandinLauncher::start(const QStringList &arguments, int waitMs, QString *problem)
{
    if (!QFileInfo(m_program).isExecutable()) {
        *problem = QStringLiteral("The stand-in service %1 is missing: without a deployment.ini there is no "
                                  "service to listen to.")
                       .arg(m_program);
        return false;
    }
    m_process = new QProcess;
    m_process->setProgram(m_program);
    m_process->setArguments(arguments);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // Should the client die, the kernel stops the stand-in too.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process->start();

    const QDeadlineTimer deadline(waitMs);
    QByteArray said;
    while (!deadline.hasExpired()) {
        if (m_process->state() == QProcess::NotRunning)
            break;
        m_process->waitForReadyRead(100);
        said += m_process->readAll();
        if (said.contains("listening on")) {
            // Nobody reads on: what it says later goes nowhere, not into our memory.
            m_process->closeReadChannel(QProcess::StandardOutput);
            return true;
        }
    }
    // It could not take its ports: one already runs (scripts, a test, another session).
    if (firstMirrorListens())
        return true;
    *problem = QStringLiteral("The stand-in service did not start: %1")
                   .arg(QString::fromLocal8Bit(said.trimmed()).left(300));
    return false;
}

bool StandinLauncher::firstMirrorListens() const
{
    QTcpSocket socket;
    socket.connectToHost(hostOf(m_firstMirror), portOf(m_firstMirror));
    return socket.waitForConnected(500);
}
