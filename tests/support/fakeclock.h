#pragma once

#include "platform/clock.h"

#include <QPointer>

#include <vector>

// A clock that moves only when the test says so.
class FakeClock final : public Clock
{
public:
    struct Pending
    {
        long at;
        QPointer<QObject> context;
        std::function<void()> action;
    };

    long now = 0;
    std::vector<Pending> pending;

    void callAfter(int ms, QObject *context, std::function<void()> action) override
    {
        pending.push_back({now + ms, context, std::move(action)});
    }

    // Moves time on by `ms`, running every action that falls due, in time order.
    void advance(long ms)
    {
        const long end = now + ms;
        for (;;) {
            auto next = pending.end();
            for (auto it = pending.begin(); it != pending.end(); ++it) {
                if (it->at <= end && (next == pending.end() || it->at < next->at))
                    next = it;
            }
            if (next == pending.end())
                break;
            Pending due = std::move(*next);
            pending.erase(next);
            now = due.at;
            if (due.context)
                due.action();
        }
        now = end;
    }
};
