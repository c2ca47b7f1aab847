#pragma once

#include <cstdint>

// A set of Sudoku digits 1..9: bit d of the mask stands for digit d, and the
// count always follows the mask, so asking for the size costs nothing.
class DigitSet final
{
public:
    static constexpr std::uint16_t AllDigitsMask = 0x3FE;

    constexpr DigitSet() = default;
    static constexpr DigitSet all() { return DigitSet(AllDigitsMask, 9); }
    // The digits 1..9 whose bits are set; other bits are ignored.
    static DigitSet fromMask(std::uint16_t mask);

    constexpr bool contains(int digit) const { return (m_mask & bit(digit)) != 0; }
    constexpr void add(int digit)
    {
        if (!contains(digit)) {
            m_mask = static_cast<std::uint16_t>(m_mask | bit(digit));
            ++m_count;
        }
    }
    constexpr void remove(int digit)
    {
        if (contains(digit)) {
            m_mask = static_cast<std::uint16_t>(m_mask & ~bit(digit));
            --m_count;
        }
    }
    // Removes and returns the smallest digit, or 0 when the set is empty.
    int takeSmallest();

    constexpr std::int32_t count() const { return m_count; }
    constexpr std::uint16_t mask() const { return m_mask; }
    constexpr bool isEmpty() const { return m_count == 0; }

    friend constexpr bool operator==(DigitSet, DigitSet) = default;

private:
    constexpr DigitSet(std::uint16_t mask, std::int32_t count) : m_mask(mask), m_count(count) {}
    static constexpr std::uint16_t bit(int digit) { return static_cast<std::uint16_t>(1u << digit); }

    std::uint16_t m_mask = 0;
    std::int32_t m_count = 0;
};
