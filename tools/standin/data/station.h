#pragma once

#include <string>

struct Station
{
    int id = 0;
    std::string name;
    std::string label;
    int weeklyClicks = 0;
    std::string added; // YYYY-MM-DD, or the directory's ISO 8601 time of its last change

    // Empty for the seed stations, whose streams the service makes itself.
    // Imported stations carry their key in the list they came from (the
    // directory's uuid, a playlist's address) and where their stream plays.
    std::string uuid{};
    std::string streamUrl{};
    std::string homepage{};
    std::string favicon{};
    std::string country{};
    std::string tags{};
    std::string codec{};
    int bitrate = 0;
    // False once the station has left the list it came from: its id stays.
    bool available = true;
};
