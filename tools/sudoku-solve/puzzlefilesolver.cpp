#include "puzzlefilesolver.h"

#include "sudoku/puzzleline.h"
#include "sudoku/sudokusolver.h"

#include <istream>
#include <ostream>
#include <string>

PuzzleFileSolver::Totals PuzzleFileSolver::run(std::istream &in, std::ostream &out)
{
    Totals totals;
    std::string line;
    while (std::getline(in, line)) {
        if (PuzzleLine::isSkipped(line))
            continue;
        PuzzleLine::Parsed parsed = PuzzleLine::parse(line);
        if (!parsed.ok) {
            out << "error: " << parsed.error << '\n';
            continue;
        }
        SolveStats stats;
        const SolveResult result = SudokuSolver::solve(parsed.grid, {}, &stats);
        ++totals.puzzles;
        totals.guesses += stats.guesses;
        switch (result) {
        case SolveResult::Solved:
            out << PuzzleLine::format(parsed.grid) << '\n';
            break;
        case SolveResult::ConflictingInput:
            out << "conflict\n";
            break;
        case SolveResult::NoSolution:
            out << "unsolvable\n";
            break;
        }
    }
    return totals;
}
