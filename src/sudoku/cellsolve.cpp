#include "cellsolve.h"

#include "celltexts.h"
#include "sudokugrid.h"

SolveResult solveCells(CellTexts &cells, const std::function<void()> &afterWrite, SolveStats *stats)
{
    const CellTexts before = cells;
    SudokuGrid grid;
    if (!cells.readDigits(grid)) {
        cells = before;
        return SolveResult::ConflictingInput;
    }

    const auto write = [&cells, &afterWrite](const SudokuGrid &current) {
        cells.writeDigits(current);
        if (afterWrite)
            afterWrite();
    };
    const SolveResult result = SudokuSolver::solve(grid, write, stats);
    if (result == SolveResult::Solved)
        write(grid);
    else
        cells = before;
    return result;
}
