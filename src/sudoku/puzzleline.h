#pragma once

#include "sudokugrid.h"

#include <string>
#include <string_view>

// The one-line text form of a puzzle: 81 cells row by row from the top, each
// row left to right; "1".."9" for a digit, "0" or "." for an empty cell.
class PuzzleLine final
{
public:
    struct Parsed
    {
        bool ok = false;
        SudokuGrid grid;
        std::string error; // why the line is not a puzzle, when !ok
    };

    // Lines that carry no puzzle: blank, or a comment starting with "#".
    static bool isSkipped(std::string_view line);
    // Surrounding blanks and a trailing CR are ignored.
    static Parsed parse(std::string_view line);
    static std::string format(const SudokuGrid &grid);
};
