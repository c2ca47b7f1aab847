#include "stationbroadcasts.h"

#include <algorithm>

std::shared_ptr<StationBroadcast> StationBroadcasts::tuneIn(int stationId, StreamFormat format)
{
    const std::lock_guard lock(m_mutex);
    std::erase_if(m_broadcasts, [](const auto &entry) { return entry.second.expired(); });
    std::weak_ptr<StationBroadcast> &slot = m_broadcasts[{stationId, format}];
    std::shared_ptr<StationBroadcast> broadcast = slot.lock();
    if (!broadcast) {
        broadcast = std::make_shared<StationBroadcast>(stationId, format);
        slot = broadcast;
    }
    return broadcast;
}

int StationBroadcasts::onAir() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_broadcasts.begin(), m_broadcasts.end(),
                                          [](const auto &entry) { return !entry.second.expired(); }));
}
