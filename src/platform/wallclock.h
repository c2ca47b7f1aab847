#pragma once

#include <QDateTime>
#include <QTime>

// The local time of day; tests that must control it hand in their own.
class WallClock
{
public:
    virtual ~WallClock() = default;
    virtual QTime now() const = 0;
};

class SystemWallClock final : public WallClock
{
public:
    QTime now() const override { return QDateTime::currentDateTime().time(); }
};
