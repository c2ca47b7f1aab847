#include "sudokusolver.h"

#include "digitset.h"
#include "sudokugrid.h"

#include <array>

namespace {

constexpr int UnitCount = SudokuGrid::Size;
constexpr int StackPlaces = 81;

struct SavedState
{
    int cell = 0;
    DigitSet untried;
    SudokuGrid grid;
};

// Everything the solve needs, fixed in size: nothing is allocated while solving.
struct SolverState
{
    SudokuGrid grid;
    std::array<DigitSet, UnitCount> columns{};
    std::array<DigitSet, UnitCount> rows{};
    std::array<DigitSet, UnitCount> boxes{};
    std::array<DigitSet, SudokuGrid::CellCount> table{};
    // Places 1..81; depth 1 means empty. A guess always leaves another empty
    // cell behind, so at most 80 guesses nest and the top place is never
    // overwritten in practice.
    std::array<SavedState, StackPlaces> stack{};
    int depth = 1;
};

std::size_t at(int i) { return static_cast<std::size_t>(i); }

void addToUnits(SolverState &s, int cell, int digit)
{
    const int column = SudokuGrid::columnOf(cell);
    const int row = SudokuGrid::rowOf(cell);
    s.columns[at(column)].add(digit);
    s.rows[at(row)].add(digit);
    s.boxes[at(SudokuGrid::boxOf(column, row))].add(digit);
}

void rebuildUnits(SolverState &s)
{
    s.columns.fill(DigitSet());
    s.rows.fill(DigitSet());
    s.boxes.fill(DigitSet());
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        if (const int digit = s.grid.atIndex(cell); digit != 0)
            addToUnits(s, cell, digit);
    }
}

// All cells are visited even after the first clash, as the reading does.
bool hasConflict(const SudokuGrid &grid)
{
    std::array<DigitSet, UnitCount> columns{}, rows{}, boxes{};
    bool conflict = false;
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        const int digit = grid.atIndex(cell);
        if (digit == 0)
            continue;
        if (digit > 9) {
            conflict = true;
            continue;
        }
        const int column = SudokuGrid::columnOf(cell);
        const int row = SudokuGrid::rowOf(cell);
        DigitSet &c = columns[at(column)];
        DigitSet &r = rows[at(row)];
        DigitSet &b = boxes[at(SudokuGrid::boxOf(column, row))];
        if (c.contains(digit) || r.contains(digit) || b.contains(digit))
            conflict = true;
        c.add(digit);
        r.add(digit);
        b.add(digit);
    }
    return conflict;
}

DigitSet candidatesOf(const SolverState &s, int cell)
{
    const int column = SudokuGrid::columnOf(cell);
    const int row = SudokuGrid::rowOf(cell);
    // All nine digits less those of the column, row and box, as one mask step.
    const unsigned seen = s.columns[at(column)].mask() | s.rows[at(row)].mask()
        | s.boxes[at(SudokuGrid::boxOf(column, row))].mask();
    return DigitSet::fromMask(static_cast<std::uint16_t>(DigitSet::AllDigitsMask & ~seen));
}

// Computes every cell's candidates and places each single at once, so that
// cells later in the same pass already see it. Returns whether a digit was placed.
bool placeSingles(SolverState &s)
{
    bool progress = false;
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        DigitSet &entry = s.table[at(cell)];
        entry = candidatesOf(s, cell);
        if (s.grid.atIndex(cell) == 0 && entry.count() == 1) {
            const int digit = entry.takeSmallest();
            s.grid.setAtIndex(cell, digit);
            addToUnits(s, cell, digit);
            progress = true;
        }
    }
    return progress;
}

// Every entry empty is not enough: an empty cell left without candidates also
// has an empty entry, and that is a dead end, not a solution.
bool isFinished(const SolverState &s)
{
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        if (!s.table[at(cell)].isEmpty() || s.grid.atIndex(cell) == 0)
            return false;
    }
    return true;
}

// The empty cell with the fewest candidates, the first in scan order among
// equals; a cell without candidates wins. A grid without any digit has only
// nine-candidate cells, and then the first empty cell is taken, so that an
// empty grid is completed like any other.
int chooseGuessCell(const SolverState &s)
{
    int best = -1;
    int bestCount = 10;
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        if (s.grid.atIndex(cell) != 0)
            continue;
        if (const int count = s.table[at(cell)].count(); count < bestCount) {
            best = cell;
            bestCount = count;
        }
    }
    return best;
}

void push(SolverState &s, int cell, DigitSet untried)
{
    s.stack[at(s.depth - 1)] = SavedState{cell, untried, s.grid};
    if (s.depth < StackPlaces)
        ++s.depth;
}

// Places a guess, backtracking from the deepest saved state on a dead end.
// Returns false when the search has run out.
bool guess(SolverState &s)
{
    int cell = chooseGuessCell(s);
    if (cell < 0)
        return false;
    DigitSet untried = s.table[at(cell)];
    int digit = untried.takeSmallest();
    while (digit == 0 && s.depth > 1) {
        --s.depth;
        const SavedState &saved = s.stack[at(s.depth - 1)];
        s.grid = saved.grid;
        cell = saved.cell;
        untried = saved.untried;
        digit = untried.takeSmallest();
    }
    if (digit == 0)
        return false;
    push(s, cell, untried);
    s.grid.setAtIndex(cell, digit);
    return true;
}

} // namespace

SolveResult SudokuSolver::solve(SudokuGrid &grid, const PassHook &onWrite, SolveStats *stats)
{
    if (hasConflict(grid))
        return SolveResult::ConflictingInput;

    SolverState s;
    s.grid = grid;
    long passes = 0;
    long guesses = 0;
    SolveResult result = SolveResult::Solved;
    for (;;) {
        rebuildUnits(s);
        const bool progress = placeSingles(s);
        const bool finished = isFinished(s);
        if (!progress && !finished) {
            if (!guess(s)) {
                result = SolveResult::NoSolution;
                break;
            }
            ++guesses;
        }
        if (passes % PassesPerWrite == 0 && onWrite)
            onWrite(s.grid);
        ++passes;
        if (finished)
            break;
    }
    if (result == SolveResult::Solved)
        grid = s.grid;
    if (stats) {
        stats->passes = passes;
        stats->guesses = guesses;
    }
    return result;
}
