#pragma once

#include "clock.h"

// The event loop's timers.
class QtClock final : public Clock
{
public:
    void callAfter(int ms, QObject *context, std::function<void()> action) override;
};
