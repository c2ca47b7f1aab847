#pragma once

#include <string>

struct NewsItem
{
    int category = 0;
    std::string headline;
    std::string text;
};
