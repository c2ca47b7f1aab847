#pragma once

#include "platform/browser.h"

#include <QSignalSpy>
#include <QTest>

#include <utility>
#include <vector>

// Collects a browser's events and waits for a finished load.
struct BrowserEvents
{
    explicit BrowserEvents(Browser &browser)
    {
        QObject::connect(&browser, &Browser::titleChange, [this](const QString &t) { titles << t; });
        QObject::connect(&browser, &Browser::progressChange,
                         [this](int p, int max) { progress.emplace_back(p, max); });
    }

    bool lastIsFinished() const { return !progress.empty() && progress.back().first == progress.back().second; }

    // Waits until the number of finished loads reaches `loads`.
    bool waitForLoads(int loads, int timeoutMs = 30000)
    {
        return QTest::qWaitFor([&] { return finishedLoads() >= loads; }, timeoutMs);
    }
    int finishedLoads() const
    {
        int n = 0;
        for (const auto &[p, max] : progress)
            n += p == max ? 1 : 0;
        return n;
    }

    QStringList titles;
    std::vector<std::pair<int, int>> progress;
};
