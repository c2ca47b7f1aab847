#pragma once

#include <functional>

class SudokuGrid;

enum class SolveResult {
    Solved,
    // Two equal digits share a column, row or box, or a cell holds no digit 0..9.
    ConflictingInput,
    // Every guess was tried and none led to a full grid.
    NoSolution,
};

struct SolveStats
{
    long passes = 0;
    long guesses = 0;
};

// Fills a grid by placing singles pass after pass and guessing, with saved
// states for backtracking, on the empty cell with the fewest candidates when
// a pass makes no progress. Deterministic: the same grid gives the same
// result. All state has fixed size and lives on the stack of solve().
class SudokuSolver final
{
public:
    // Called with the grid as it stands at passes 0, 50, 100, … so that a
    // window can show progress and let pending events run.
    using PassHook = std::function<void(const SudokuGrid &)>;
    static constexpr long PassesPerWrite = 50;

    // On Solved the grid holds the full solution; otherwise it is unchanged.
    static SolveResult solve(SudokuGrid &grid, const PassHook &onWrite = {}, SolveStats *stats = nullptr);
};
