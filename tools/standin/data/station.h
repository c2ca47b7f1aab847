#pragma once

#include <string>

struct Station
{
    int id = 0;
    std::string name;
    std::string label;
    int weeklyClicks = 0;
    std::string added; // YYYY-MM-DD
};
