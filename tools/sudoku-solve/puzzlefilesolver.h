#pragma once

#include <iosfwd>

// Solves every puzzle line of a stream and prints one answer line each: the
// 81 digits of the solution, "conflict", "unsolvable" or "error: <reason>".
class PuzzleFileSolver final
{
public:
    struct Totals
    {
        long puzzles = 0;
        long guesses = 0;
    };

    static Totals run(std::istream &in, std::ostream &out);
};
