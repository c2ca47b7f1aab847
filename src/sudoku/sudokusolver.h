#pragma once

#include <chrono>
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
    // Digits tried on the cells the search branched on.
    long guesses = 0;
};

// Fills a grid by placing singles and, when none is left, guessing on the
// first empty cell (columns from left to right, each from top to bottom) with
// the fewest candidates, digits in ascending order, the latest guess revised
// first. That order decides which solution a grid with many gets, so it is
// kept exactly; stronger deductions only cut off guesses that cannot lead to
// any solution. Deterministic, and nothing is allocated while solving.
class SudokuSolver final
{
public:
    // Called with the grid as it stands when the search starts and then
    // about every interval, so that a window can show progress and let
    // pending events run.
    using ProgressHook = std::function<void(const SudokuGrid &)>;
    static constexpr std::chrono::milliseconds WriteInterval{16};

    // On Solved the grid holds the full solution; otherwise it is unchanged.
    static SolveResult solve(SudokuGrid &grid, const ProgressHook &onWrite = {}, SolveStats *stats = nullptr,
                             std::chrono::nanoseconds interval = WriteInterval);
};
