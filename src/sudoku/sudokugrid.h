#pragma once

#include <array>
#include <cstdint>

// A 9×9 grid of digits, 0 for an empty cell. Cells are stored column by
// column, so walking the indexes 0..80 is the solver's scan order (columns
// from left to right, each from top to bottom).
class SudokuGrid final
{
public:
    static constexpr int Size = 9;
    static constexpr int CellCount = Size * Size;

    static constexpr int indexOf(int column, int row) { return column * Size + row; }
    static constexpr int columnOf(int index) { return index / Size; }
    static constexpr int rowOf(int index) { return index % Size; }
    static constexpr int boxOf(int column, int row) { return (column / 3) * 3 + row / 3; }

    int at(int column, int row) const { return m_cells[static_cast<std::size_t>(indexOf(column, row))]; }
    void set(int column, int row, int digit)
    {
        m_cells[static_cast<std::size_t>(indexOf(column, row))] = static_cast<std::uint8_t>(digit);
    }
    int atIndex(int index) const { return m_cells[static_cast<std::size_t>(index)]; }
    void setAtIndex(int index, int digit) { m_cells[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(digit); }

    int filledCount() const;
    bool isFull() const { return filledCount() == CellCount; }
    // A full grid in which every column, row and box holds each digit once.
    bool isValidSolution() const;

    friend bool operator==(const SudokuGrid &, const SudokuGrid &) = default;

private:
    std::array<std::uint8_t, CellCount> m_cells{};
};
