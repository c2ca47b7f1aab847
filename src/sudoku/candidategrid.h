#pragma once

#include "sudokugrid.h"

#include <array>
#include <cstdint>

// A grid together with the candidates of every empty cell, kept up to date as
// digits are placed: the small state the solver copies to try a guess and
// throws away to back out. Candidate masks use bit d for digit d, like
// DigitSet. Every operation that can meet a dead end (an empty cell without
// candidates, a digit without a place in a unit) returns false, and the grid
// is then of no further use.
class CandidateGrid final
{
public:
    // Candidates from the digits of the grid, then singles to their fixed
    // point. The grid must hold no two equal digits in a unit.
    bool start(const SudokuGrid &grid);

    // Places the digit (a candidate of the empty cell, or the digit it
    // already holds) and then every cell left with a single candidate, until
    // none is left. The result does not depend on the order of placing.
    bool place(int cell, int digit);

    // Stronger deductions than singles: a digit with one place left in a
    // column, row or box goes there, and so on to the fixed point of both.
    // Sound, so a grid that comes out full is the only completion there is;
    // but it may fill cells singles alone would not, so the search never
    // takes its branching choices from a grid that went through this.
    bool deduce();

    const SudokuGrid &grid() const { return m_grid; }
    bool isFull() const { return m_empty == 0; }
    std::uint16_t candidates(int cell) const { return m_candidates[at(cell)]; }
    // Whether some completion of this grid could hold the digit in the cell.
    bool allows(int cell, int digit) const;
    // The first empty cell in scan order with the fewest candidates, or -1
    // when the grid is full. Meant for a grid at the fixed point of singles,
    // where every empty cell has two candidates or more.
    int branchCell() const;

private:
    // Cells left with a single candidate, waiting to be filled. Each cell
    // enters at most once, as its candidates shrink from two to one.
    struct Queue
    {
        std::array<std::uint8_t, SudokuGrid::CellCount> cells{};
        int size = 0;
    };

    static std::size_t at(int cell) { return static_cast<std::size_t>(cell); }
    bool fill(int cell, int digit, Queue &queue);
    bool drain(Queue &queue);
    bool placeHiddenSingles(int unit, bool &placed);

    SudokuGrid m_grid;
    std::array<std::uint16_t, SudokuGrid::CellCount> m_candidates{};
    int m_empty = SudokuGrid::CellCount;
};
