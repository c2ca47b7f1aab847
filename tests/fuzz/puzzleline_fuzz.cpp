// The Sudoku line parser and, for every line it takes, the solver: a solution
// keeps every given digit, and a printed puzzle reads back the same.
#include "fuzzinput.h"

#include "sudoku/puzzleline.h"
#include "sudoku/sudokugrid.h"
#include "sudoku/sudokusolver.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char *>(data), size);
    if (PuzzleLine::isSkipped(line))
        return 0;
    const PuzzleLine::Parsed parsed = PuzzleLine::parse(line);
    if (!parsed.ok)
        return 0;
    fuzzCheck(PuzzleLine::parse(PuzzleLine::format(parsed.grid)).grid == parsed.grid, "puzzle line round trip");
    SudokuGrid grid = parsed.grid;
    if (SudokuSolver::solve(grid) != SolveResult::Solved) {
        fuzzCheck(grid == parsed.grid, "an unsolved grid is left unchanged");
        return 0;
    }
    fuzzCheck(grid.isValidSolution(), "a solution is valid");
    for (int i = 0; i < SudokuGrid::CellCount; ++i)
        fuzzCheck(parsed.grid.atIndex(i) == 0 || grid.atIndex(i) == parsed.grid.atIndex(i), "givens are kept");
    return 0;
}
