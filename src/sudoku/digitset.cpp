#include "digitset.h"

#include <bit>

int DigitSet::takeSmallest()
{
    if (m_mask == 0)
        return 0;
    const int digit = std::countr_zero(m_mask);
    remove(digit);
    return digit;
}

DigitSet DigitSet::fromMask(std::uint16_t mask)
{
    const auto digits = static_cast<std::uint16_t>(mask & AllDigitsMask);
    return DigitSet(digits, std::popcount(digits));
}
