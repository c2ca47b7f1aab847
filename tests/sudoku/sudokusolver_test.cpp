#include "gridtext.h"

#include "sudoku/digitset.h"
#include "sudoku/sudokusolver.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(DigitSetTest, CountFollowsMaskAndRepeatsChangeNothing)
{
    DigitSet set;
    set.add(5);
    set.add(5);
    set.add(1);
    EXPECT_EQ(set.count(), 2);
    EXPECT_EQ(set.mask(), (1 << 5) | (1 << 1));
    set.remove(7);
    EXPECT_EQ(set.count(), 2);
    set.remove(5);
    EXPECT_EQ(set.count(), 1);
    EXPECT_FALSE(set.contains(5));

    EXPECT_EQ(DigitSet::all().mask(), 0x3FE);
    EXPECT_EQ(DigitSet::all().count(), 9);
    // Bits 0 and 10..15 are no digits.
    EXPECT_EQ(DigitSet::fromMask(0xFFFF), DigitSet::all());
}

TEST(DigitSetTest, TakeSmallestEmptiesInAscendingOrder)
{
    DigitSet set = DigitSet::fromMask((1 << 9) | (1 << 3) | (1 << 4));
    EXPECT_EQ(set.takeSmallest(), 3);
    EXPECT_EQ(set.takeSmallest(), 4);
    EXPECT_EQ(set.takeSmallest(), 9);
    EXPECT_EQ(set.takeSmallest(), 0);
    EXPECT_TRUE(set.isEmpty());
}

TEST(SudokuSolverTest, FullValidGridComesBackUnchangedWithoutGuessing)
{
    SudokuGrid grid = gridOf(ValidSolution);
    const SudokuGrid before = grid;
    SolveStats stats;
    int writes = 0;
    EXPECT_EQ(SudokuSolver::solve(grid, [&](const SudokuGrid &) { ++writes; }, &stats), SolveResult::Solved);
    EXPECT_EQ(grid, before);
    EXPECT_EQ(stats.guesses, 0);
    EXPECT_EQ(writes, 1);
}

struct ConflictCase
{
    const char *name;
    int column1, row1, column2, row2;
};

class SolverConflictTest : public ::testing::TestWithParam<ConflictCase>
{
};

// Two equal digits in one unit make the input conflicting, however empty the
// rest of the grid is, and the grid is left as it was.
TEST_P(SolverConflictTest, EqualDigitsInOneUnitAreConflictingInput)
{
    const ConflictCase &c = GetParam();
    SudokuGrid grid;
    grid.set(c.column1, c.row1, 7);
    grid.set(c.column2, c.row2, 7);
    const SudokuGrid before = grid;
    EXPECT_EQ(SudokuSolver::solve(grid), SolveResult::ConflictingInput);
    EXPECT_EQ(grid, before);
}

INSTANTIATE_TEST_SUITE_P(Units, SolverConflictTest,
                         ::testing::Values(ConflictCase{"BoxOnlyDiagonal", 3, 3, 5, 5},
                                           ConflictCase{"BoxOnlyAntiDiagonal", 8, 6, 6, 8},
                                           ConflictCase{"Row", 0, 4, 8, 4},
                                           ConflictCase{"Column", 2, 0, 2, 8}),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

TEST(SudokuSolverTest, CellHoldingNoDigitIsConflictingInput)
{
    SudokuGrid grid;
    grid.set(4, 4, 12);
    EXPECT_EQ(SudokuSolver::solve(grid), SolveResult::ConflictingInput);
}

// A row lacks only 9 while 9 already stands in the empty cell's column: the
// search must run out and say so, not hang and not invent a digit.
TEST(SudokuSolverTest, GridWithoutSolutionRunsOutAndStaysUnchanged)
{
    SudokuGrid grid = gridOf("12345678." + std::string(36, '.') + "........9" + std::string(27, '.'));
    const SudokuGrid before = grid;
    EXPECT_EQ(SudokuSolver::solve(grid), SolveResult::NoSolution);
    EXPECT_EQ(grid, before);
}

// Scan order is by columns and digits go in ascending order: from a single 1
// in the top-left cell the first guesses fill column 0 downwards with 2, 3, …
TEST(SudokuSolverTest, GuessesFollowScanOrderAndAscendingDigits)
{
    SudokuGrid grid;
    grid.set(0, 0, 1);
    ASSERT_EQ(SudokuSolver::solve(grid), SolveResult::Solved);
    ASSERT_TRUE(grid.isValidSolution());
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(grid.at(0, row), row + 1) << "row " << row;
}

TEST(SudokuSolverTest, EmptyGridIsCompletedToAValidGrid)
{
    SudokuGrid grid;
    ASSERT_EQ(SudokuSolver::solve(grid), SolveResult::Solved);
    EXPECT_TRUE(grid.isValidSolution());
    EXPECT_EQ(grid.at(0, 0), 1);
}

// The hook sees the grid as the search starts and then no more often than the
// interval allows; what it sees is always the puzzle plus digits that break no
// rule, never a grid the solver could not stand behind.
TEST(SudokuSolverTest, HookSeesTheStartThenProgressPacedByTheInterval)
{
    // Every fifth cell of a solution: many solutions, so the search must guess.
    const SudokuGrid solution = gridOf(ValidSolution);
    SudokuGrid puzzle;
    for (int i = 0; i < SudokuGrid::CellCount; i += 5)
        puzzle.setAtIndex(i, solution.atIndex(i));
    std::vector<SudokuGrid> written;
    const auto record = [&](const SudokuGrid &g) { written.push_back(g); };
    SudokuGrid grid = puzzle;
    SolveStats stats;
    ASSERT_EQ(SudokuSolver::solve(grid, record, &stats, std::chrono::nanoseconds(0)), SolveResult::Solved);
    ASSERT_GT(stats.guesses, 1);
    ASSERT_GT(written.size(), 2u);
    for (const SudokuGrid &g : written) {
        EXPECT_TRUE(keepsClues(puzzle, g));
        SudokuGrid copy = g;
        EXPECT_NE(SudokuSolver::solve(copy), SolveResult::ConflictingInput);
    }

    written.clear();
    grid = puzzle;
    ASSERT_EQ(SudokuSolver::solve(grid, record, nullptr, std::chrono::hours(1)), SolveResult::Solved);
    EXPECT_EQ(written.size(), 1u);
}

// An independent recursive search with the same rules: singles to a fixed
// point, then the first empty cell in scan order with the fewest candidates,
// digits ascending, the deepest choice revised first. The first full grid it
// finds is the one the solver must return, even for puzzles with many solutions.
class ReferenceSearch
{
public:
    static std::optional<SudokuGrid> solve(SudokuGrid grid)
    {
        if (!propagate(grid))
            return std::nullopt;
        int best = -1;
        int bestCount = 10;
        for (int i = 0; i < SudokuGrid::CellCount; ++i) {
            if (grid.atIndex(i) == 0 && candidates(grid, i).count() < bestCount) {
                best = i;
                bestCount = candidates(grid, i).count();
            }
        }
        if (best < 0)
            return grid;
        DigitSet options = candidates(grid, best);
        for (int digit = options.takeSmallest(); digit != 0; digit = options.takeSmallest()) {
            SudokuGrid next = grid;
            next.setAtIndex(best, digit);
            if (auto solved = solve(next))
                return solved;
        }
        return std::nullopt;
    }

private:
    static DigitSet candidates(const SudokuGrid &grid, int index)
    {
        DigitSet set = DigitSet::all();
        const int column = SudokuGrid::columnOf(index);
        const int row = SudokuGrid::rowOf(index);
        for (int i = 0; i < 9; ++i) {
            set.remove(grid.at(column, i));
            set.remove(grid.at(i, row));
            set.remove(grid.at(column / 3 * 3 + i / 3, row / 3 * 3 + i % 3));
        }
        return set;
    }

    static bool propagate(SudokuGrid &grid)
    {
        for (bool placed = true; placed;) {
            placed = false;
            for (int i = 0; i < SudokuGrid::CellCount; ++i) {
                if (grid.atIndex(i) != 0)
                    continue;
                DigitSet set = candidates(grid, i);
                if (set.isEmpty())
                    return false;
                if (set.count() == 1) {
                    grid.setAtIndex(i, set.takeSmallest());
                    placed = true;
                }
            }
        }
        return true;
    }
};

// Puzzles with one wrong digit that clashes with nothing directly (checked to
// have no solution with qqwing): only a search, not the conflict check, can tell.
class SolverQuietContradictionTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(SolverQuietContradictionTest, RunsOutAfterBacktrackingAndLeavesTheGrid)
{
    const SudokuGrid puzzle = gridOf(GetParam());
    SudokuGrid grid = puzzle;
    EXPECT_EQ(SudokuSolver::solve(grid), SolveResult::NoSolution);
    EXPECT_EQ(grid, puzzle);
    EXPECT_FALSE(ReferenceSearch::solve(puzzle).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, SolverQuietContradictionTest,
    ::testing::Values("090004002407600000000903004032050007008000000000000025309000060006020703200800059",
                      "090000502000010000000903004032600007008201000001390605010005000050100000200006150",
                      "003704010000502000000003070930000086500000090001300025300000200800120003000006109",
                      "600700000000012930000900874930050007500007090001000000014005060000009003000000009"));

// All 729 one-digit seeds of a new game: deterministic, valid, and the very
// grid the reference search finds first.
TEST(SudokuSolverTest, EverySeedGivesTheSameSolutionAsTheReferenceSearch)
{
    for (int digit = 1; digit <= 9; ++digit) {
        for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
            SudokuGrid seed;
            seed.setAtIndex(cell, digit);
            SudokuGrid first = seed;
            SudokuGrid second = seed;
            ASSERT_EQ(SudokuSolver::solve(first), SolveResult::Solved);
            ASSERT_EQ(SudokuSolver::solve(second), SolveResult::Solved);
            ASSERT_EQ(first, second) << "digit " << digit << " cell " << cell;
            ASSERT_TRUE(first.isValidSolution());
            ASSERT_EQ(first.atIndex(cell), digit);
            const std::optional<SudokuGrid> reference = ReferenceSearch::solve(seed);
            ASSERT_TRUE(reference.has_value());
            ASSERT_EQ(first, *reference) << "digit " << digit << " cell " << cell;
        }
    }
}

// Sparse puzzles with many solutions take long backtracking paths: the
// solver must still land on the reference search's first solution.
TEST(SudokuSolverTest, SparsePuzzlesBacktrackLikeTheReferenceSearch)
{
    const SudokuGrid solution = gridOf(ValidSolution);
    for (int stride : {3, 4, 5, 7}) {
        SudokuGrid puzzle;
        for (int i = 0; i < SudokuGrid::CellCount; i += stride)
            puzzle.setAtIndex(i, solution.atIndex(i));
        SudokuGrid grid = puzzle;
        ASSERT_EQ(SudokuSolver::solve(grid), SolveResult::Solved) << "stride " << stride;
        EXPECT_TRUE(grid.isValidSolution());
        EXPECT_TRUE(keepsClues(puzzle, grid));
        EXPECT_EQ(grid, ReferenceSearch::solve(puzzle).value()) << "stride " << stride;
    }
}

// A valid grid with its digits relabelled and its rows and columns permuted
// within bands and stacks, and the bands and stacks permuted: valid again.
SudokuGrid shuffledSolution(std::mt19937 &random)
{
    const auto shuffled = [&random](std::array<int, 9> &order, int first) {
        std::shuffle(order.begin() + first, order.begin() + first + 3, random);
    };
    const auto lines = [&](std::array<int, 9> &order) {
        std::array<int, 3> bands{0, 1, 2};
        std::shuffle(bands.begin(), bands.end(), random);
        for (int band = 0; band < 3; ++band) {
            for (int i = 0; i < 3; ++i)
                order[static_cast<std::size_t>(band * 3 + i)] = bands[static_cast<std::size_t>(band)] * 3 + i;
            shuffled(order, band * 3);
        }
    };
    std::array<int, 9> columns{}, rows{}, digits{};
    lines(columns);
    lines(rows);
    std::iota(digits.begin(), digits.end(), 1);
    std::shuffle(digits.begin(), digits.end(), random);
    const SudokuGrid base = gridOf(ValidSolution);
    SudokuGrid grid;
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            const int digit = base.at(columns[static_cast<std::size_t>(column)], rows[static_cast<std::size_t>(row)]);
            grid.set(column, row, digits[static_cast<std::size_t>(digit - 1)]);
        }
    }
    return grid;
}

// Grids with few clues have many solutions, and which one comes out is decided
// by the order of the search alone; a wrong digit among more clues often leaves
// none, found only after backtracking. Either way the solver must end where
// the reference search ends.
TEST(SudokuSolverTest, RandomManySolutionGridsMatchTheReferenceSearch)
{
    std::mt19937 random(20261209);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    int solved = 0;
    int unsolvable = 0;
    for (int round = 0; round < 160; ++round) {
        const SudokuGrid solution = shuffledSolution(random);
        const bool withWrongDigit = round % 2 == 1;
        const int clues = withWrongDigit ? 22 + below(14) : below(30);
        SudokuGrid puzzle;
        while (puzzle.filledCount() < clues) {
            const int cell = below(SudokuGrid::CellCount);
            puzzle.setAtIndex(cell, solution.atIndex(cell));
        }
        if (withWrongDigit) {
            const int cell = below(SudokuGrid::CellCount);
            puzzle.setAtIndex(cell, 1 + (solution.atIndex(cell) + below(8)) % 9);
        }
        SudokuGrid grid = puzzle;
        const SolveResult result = SudokuSolver::solve(grid);
        if (result == SolveResult::ConflictingInput)
            continue;
        const std::optional<SudokuGrid> reference = ReferenceSearch::solve(puzzle);
        ASSERT_EQ(result == SolveResult::Solved, reference.has_value()) << PuzzleLine::format(puzzle);
        if (reference) {
            ASSERT_EQ(grid, *reference) << PuzzleLine::format(puzzle);
            ++solved;
        } else {
            ASSERT_EQ(grid, puzzle);
            ++unsolvable;
        }
    }
    EXPECT_GT(solved, 80);
    EXPECT_GT(unsolvable, 5);
}

TEST(SudokuSolverTest, SeventeenCluePuzzlesSolveToValidGrids)
{
    QFile file(QStringLiteral(SUDOKU_TEST_DATA "/hard17.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << SUDOKU_TEST_DATA;
    int solved = 0;
    while (!file.atEnd()) {
        const std::string line = file.readLine().trimmed().toStdString();
        if (PuzzleLine::isSkipped(line))
            continue;
        const SudokuGrid puzzle = gridOf(line);
        ASSERT_EQ(puzzle.filledCount(), 17);
        SudokuGrid grid = puzzle;
        ASSERT_EQ(SudokuSolver::solve(grid), SolveResult::Solved) << line;
        EXPECT_TRUE(grid.isValidSolution()) << line;
        EXPECT_TRUE(keepsClues(puzzle, grid)) << line;
        ++solved;
    }
    EXPECT_EQ(solved, 10);
}

} // namespace
