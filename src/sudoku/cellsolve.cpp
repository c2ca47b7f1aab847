#include "cellsolve.h"

#include "celltexts.h"
#include "sudokugrid.h"

SolveResult solveCells(CellTexts &cells, const std::function<void()> &afterWrite, SolveStats *stats)
{
    const CellTexts before = cells;
    SudokuGrid grid;
    // Conflicting input keeps the marks as read, so the player's own digits
    // show which cells were theirs; nothing else is written.
    if (!cells.readDigits(grid))
        return SolveResult::ConflictingInput;

    const auto write = [&cells, &afterWrite](const SudokuGrid &current) {
        cells.writeDigits(current);
        if (afterWrite)
            afterWrite();
    };
    const SolveResult result = SudokuSolver::solve(grid, write, stats);
    if (result == SolveResult::Solved)
        write(grid);
    else if (result == SolveResult::NoSolution)
        cells = before;
    return result;
}
