#pragma once

#include <QString>

// The station played at start when auto-play is on; id 0 is none.
struct StartupStation
{
    int id = 0;
    QString name;

    bool operator==(const StartupStation &) const = default;
};
