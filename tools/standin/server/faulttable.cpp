#include "faulttable.h"

FaultMode FaultTable::get(int mirror) const
{
    if (mirror < 1 || mirror > mirrorCount)
        return FaultMode::None;
    return m_modes[static_cast<std::size_t>(mirror - 1)].load();
}

bool FaultTable::set(int mirror, FaultMode mode)
{
    if (mirror < 1 || mirror > mirrorCount)
        return false;
    m_modes[static_cast<std::size_t>(mirror - 1)].store(mode);
    return true;
}
