#pragma once

#include "platform/nowplaying.h"
#include "platform/randomsource.h"

#include <QByteArray>

#include <vector>

// Always answers the same value: a test picks the first mirror with it.
class FixedRandom final : public RandomSource
{
public:
    int value = 0;
    int below(int) override { return value; }
};

// Keeps every now-playing notice delivered.
class RecordingNowPlaying final : public NowPlaying
{
public:
    std::vector<QByteArray> notices;
    void deliver(const QByteArray &notice) override { notices.push_back(notice); }
};
