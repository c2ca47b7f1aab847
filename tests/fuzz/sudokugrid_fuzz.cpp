// The solver on raw grids, cells holding any byte: only digits 0..9 are a
// puzzle, anything else must come back as conflicting input.
#include "fuzzinput.h"

#include "sudoku/sudokugrid.h"
#include "sudoku/sudokusolver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < SudokuGrid::CellCount)
        return 0;
    SudokuGrid grid;
    bool digitsOnly = true;
    for (int i = 0; i < SudokuGrid::CellCount; ++i) {
        // Mostly empty cells and digits, now and then a stray value.
        const int cell = data[i] < 200 ? data[i] % 10 : data[i];
        digitsOnly = digitsOnly && cell <= 9;
        grid.setAtIndex(i, cell);
    }
    const SudokuGrid given = grid;
    const SolveResult result = SudokuSolver::solve(grid);
    fuzzCheck(digitsOnly || result == SolveResult::ConflictingInput, "a cell beyond 9 is refused");
    if (result == SolveResult::Solved)
        fuzzCheck(grid.isValidSolution(), "a solution is valid");
    else
        fuzzCheck(grid == given, "an unsolved grid is left unchanged");
    return 0;
}
