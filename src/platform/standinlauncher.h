#pragma once

#include <QString>

class QProcess;
struct DeploymentReading;

// Starts the stand-in service beside the client when no deployment names a
// real service, so that a first start from the menu works, and stops it when
// the client ends, also when the client dies.
class StandinLauncher final
{
public:
    // `program` is the stand-in's executable, usually beside the client's;
    // `firstMirror` ("127.0.0.1:port") is where the client without a
    // deployment looks for the service: the stand-in's block of ports starts there.
    StandinLauncher(QString program, QString firstMirror);
    ~StandinLauncher();
    StandinLauncher(const StandinLauncher &) = delete;
    StandinLauncher &operator=(const StandinLauncher &) = delete;

    // Starts the stand-in when `reading` found no deployment file (and none
    // it could not read), or one that only chose its stations, then waits
    // until it listens, at most `waitMs`. Its stations come from the
    // directory unless the deployment or SONVELA_STATIONS (which tests set
    // to "seed") says otherwise; its database is kept in the user's data
    // folder, so that a start without the network has the last stations.
    // False with a message when it did not come up; a stand-in that is
    // already running (its ports are taken) counts as up.
    bool startWithoutDeployment(const DeploymentReading &reading, int waitMs, QString *problem);

private:
    bool start(const QStringList &arguments, int waitMs, QString *problem);
    bool firstMirrorListens() const;

    QString m_program;
    QString m_firstMirror;
    QProcess *m_process = nullptr;
};
