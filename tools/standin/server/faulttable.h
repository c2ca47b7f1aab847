#pragma once

#include "faultmode.h"

#include <array>
#include <atomic>

// The fault of each mirror, read by every request and changed at run time.
class FaultTable final
{
public:
    static constexpr int mirrorCount = 6;

    FaultMode get(int mirror) const;
    // False for a mirror outside 1..6.
    bool set(int mirror, FaultMode mode);

private:
    std::array<std::atomic<FaultMode>, mirrorCount> m_modes{};
};
