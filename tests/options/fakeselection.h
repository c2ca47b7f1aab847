#pragma once

#include "options/stationselection.h"

#include <deque>
#include <functional>

// A selection window that answers from a script; counts how often it opened.
class FakeSelection final : public StationSelection
{
public:
    std::deque<StationPick> answers; // empty: cancelled
    int opened = 0;

    StationPick pickStation() override
    {
        ++opened;
        if (answers.empty())
            return StationPick();
        StationPick answer = answers.front();
        answers.pop_front();
        return answer;
    }

    static StationPick picked(int id, const char *name, const char *label)
    {
        StationPick pick;
        pick.result = StationPick::Result::Picked;
        pick.id = id;
        pick.name = QString::fromUtf8(name);
        pick.label = QString::fromUtf8(label);
        return pick;
    }
    static StationPick noPick()
    {
        StationPick pick;
        pick.result = StationPick::Result::NoPick;
        return pick;
    }
};
