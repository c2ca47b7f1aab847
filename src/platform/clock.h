#pragma once

#include <QObject>

#include <functional>

// Time as the program waits on it: a real clock runs the action from the
// event loop later, a test clock when the test moves time on.
class Clock
{
public:
    virtual ~Clock() = default;
    // Runs `action` once after `ms` milliseconds, unless `context` is gone by then.
    virtual void callAfter(int ms, QObject *context, std::function<void()> action) = 0;
};
