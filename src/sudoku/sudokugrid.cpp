#include "sudokugrid.h"

#include "digitset.h"

int SudokuGrid::filledCount() const
{
    int filled = 0;
    for (const std::uint8_t digit : m_cells)
        filled += digit != 0 ? 1 : 0;
    return filled;
}

bool SudokuGrid::isValidSolution() const
{
    std::array<DigitSet, 27> units{};
    for (int column = 0; column < Size; ++column) {
        for (int row = 0; row < Size; ++row) {
            const int digit = at(column, row);
            if (digit < 1 || digit > 9)
                return false;
            units[static_cast<std::size_t>(column)].add(digit);
            units[static_cast<std::size_t>(Size + row)].add(digit);
            units[static_cast<std::size_t>(2 * Size + boxOf(column, row))].add(digit);
        }
    }
    for (const DigitSet &unit : units) {
        if (unit.count() != 9)
            return false;
    }
    return true;
}
