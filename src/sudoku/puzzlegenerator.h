#pragma once

#include "sudokusolver.h"

#include <functional>

class CellTexts;
class RandomSource;

// The grids of a new game: the hidden solution, the givens, and the play grid.
struct GameGrids
{
    CellTexts &solution;
    CellTexts &givens;
    CellTexts &play;
};

// Makes a new puzzle: one random digit in a random cell of an empty grid, a
// generation solve to a full solution, then random cells of the solution
// revealed until the level's number of givens is shown. There is no check
// that the puzzle has a single solution.
class PuzzleGenerator final
{
public:
    static constexpr int LevelCount = 5;
    // Givens of level 0..4; any other index (no level chosen) gives 44.
    static int givensForLevel(int levelIndex);

    static SolveResult generate(RandomSource &random, int givens, GameGrids grids,
                                const std::function<void()> &afterWrite = {});
};
