#pragma once

#include "stationbroadcast.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

// The stations on air: one broadcast per station and format, shared by its
// listeners, made by the first and ended with the last, so a station nobody
// hears costs nothing.
class StationBroadcasts final
{
public:
    std::shared_ptr<StationBroadcast> tuneIn(int stationId, StreamFormat format);
    // Broadcasts that still have a listener.
    int onAir() const;

private:
    mutable std::mutex m_mutex;
    std::map<std::pair<int, StreamFormat>, std::weak_ptr<StationBroadcast>> m_broadcasts;
};
