#include "cellsolve.h"

#include "celltexts.h"
#include "sudokugrid.h"

SolveResult solveCells(CellTexts &cells, const std::function<void()> &afterWrite, SolveStats *stats)
{
    SudokuGrid grid;
    if (!cells.readDigits(grid))
        return SolveResult::ConflictingInput;

    const CellTexts asRead = cells;
    const auto write = [&cells, &afterWrite](const SudokuGrid &current) {
        cells.writeDigits(current);
        if (afterWrite)
            afterWrite();
    };
    const SolveResult result = SudokuSolver::solve(grid, write, stats);
    if (result == SolveResult::Solved) {
        write(grid);
    } else if (result == SolveResult::NoSolution) {
        for (int column = 0; column < CellTexts::Size; ++column) {
            for (int row = 0; row < CellTexts::Size; ++row)
                cells.setText(column, row, asRead.text(column, row));
        }
    }
    return result;
}
