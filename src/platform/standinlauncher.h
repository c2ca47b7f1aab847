#pragma once

#include <QString>

class QProcess;

// Starts the stand-in service beside the client when no deployment names a
// real service, so that a first start from the menu works, and stops it when
// the client ends, also when the client dies.
class StandinLauncher final
{
public:
    // `program` is the stand-in's executable, usually beside the client's.
    explicit StandinLauncher(QString program);
    ~StandinLauncher();
    StandinLauncher(const StandinLauncher &) = delete;
    StandinLauncher &operator=(const StandinLauncher &) = delete;

    // Starts the stand-in and waits until it listens, at most `waitMs`.
    // False with a message when it did not come up; a stand-in that is
    // already running (its ports are taken) counts as up.
    bool start(int waitMs, QString *problem);

private:
    QString m_program;
    QProcess *m_process = nullptr;
};
