#pragma once

#include "sudoku/puzzleline.h"
#include "sudoku/sudokugrid.h"

#include <gtest/gtest.h>

#include <string>

// Grids in tests are written as puzzle lines: row by row, "." for empty.
inline SudokuGrid gridOf(const std::string &line)
{
    const PuzzleLine::Parsed parsed = PuzzleLine::parse(line);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    return parsed.grid;
}

// Every digit of the puzzle stands unchanged in the solution.
inline bool keepsClues(const SudokuGrid &puzzle, const SudokuGrid &solution)
{
    for (int i = 0; i < SudokuGrid::CellCount; ++i) {
        if (puzzle.atIndex(i) != 0 && puzzle.atIndex(i) != solution.atIndex(i))
            return false;
    }
    return true;
}

inline const char *const ValidSolution =
    "693784512487512936125963874932651487568247391741398625319475268856129743274836159";
