#include "puzzlegenerator.h"

#include "cellsolve.h"
#include "celltexts.h"
#include "platform/randomsource.h"

#include <algorithm>
#include <array>

int PuzzleGenerator::givensForLevel(int levelIndex)
{
    static constexpr std::array<int, LevelCount> Givens{50, 46, 44, 41, 38};
    if (levelIndex < 0 || levelIndex >= LevelCount)
        return 44;
    return Givens[static_cast<std::size_t>(levelIndex)];
}

SolveResult PuzzleGenerator::generate(RandomSource &random, int givens, GameGrids grids,
                                      const std::function<void()> &afterWrite)
{
    grids.givens.clear();
    grids.solution.clear();
    const int seedDigit = 1 + random.below(9);
    const int seedColumn = random.below(CellTexts::Size);
    const int seedRow = random.below(CellTexts::Size);
    grids.solution.setText(seedColumn, seedRow, QString::number(seedDigit));
    grids.play.clear();

    const SolveResult result = solveCells(grids.solution, afterWrite);
    if (result != SolveResult::Solved)
        return result;

    // Never ask for more givens than the solution has cells, or the reveal
    // could not end.
    const int wanted = std::clamp(givens, 0, grids.solution.nonEmptyCount());
    while (grids.givens.nonEmptyCount() != wanted) {
        const int column = random.below(CellTexts::Size);
        const int row = random.below(CellTexts::Size);
        const QString &text = grids.solution.text(column, row);
        grids.givens.setText(column, row, text);
        grids.play.setText(column, row, text);
    }
    return result;
}
