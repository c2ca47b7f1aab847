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
    std::vector<Track> tracks;
    Status status = Status::Stopped;
    Abilities abilities;
    Commands *commands = nullptr;
    void setCommands(Commands *c) override { commands = c; }
    void showTrack(const Track &track) override { tracks.push_back(track); }
    void showStatus(Status s, const Abilities &a) override
    {
        status = s;
        abilities = a;
    }
};
