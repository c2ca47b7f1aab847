#include "sudoku/celltexts.h"
#include "sudoku/puzzlegenerator.h"
#include "sudoku/sudokugrid.h"

#include "platform/randomsource.h"

#include <gtest/gtest.h>

namespace {

struct LevelCase
{
    int level;
    int givens;
};

class PuzzleGeneratorLevelTest : public ::testing::TestWithParam<LevelCase>
{
};

TEST_P(PuzzleGeneratorLevelTest, ShowsExactlyTheLevelsGivensFromTheSolution)
{
    const LevelCase &c = GetParam();
    ASSERT_EQ(PuzzleGenerator::givensForLevel(c.level), c.givens);
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SeededRandom random(seed * 7919 + static_cast<std::uint64_t>(c.level + 1));
        CellTexts solution, givens, play;
        play.setText(0, 0, QStringLiteral("x"));
        play.setOriginMark(0, 0, 1);
        ASSERT_EQ(PuzzleGenerator::generate(random, PuzzleGenerator::givensForLevel(c.level), {solution, givens, play}),
                  SolveResult::Solved);

        SudokuGrid solved;
        ASSERT_TRUE(solution.readDigits(solved));
        ASSERT_TRUE(solved.isValidSolution());
        EXPECT_EQ(givens.nonEmptyCount(), c.givens);
        EXPECT_EQ(play.nonEmptyCount(), c.givens);
        for (int column = 0; column < 9; ++column) {
            for (int row = 0; row < 9; ++row) {
                const QString &given = givens.text(column, row);
                EXPECT_EQ(play.text(column, row), given);
                EXPECT_EQ(play.originMark(column, row), 0);
                if (!given.isEmpty()) {
                    EXPECT_EQ(given, solution.text(column, row));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, PuzzleGeneratorLevelTest,
                         ::testing::Values(LevelCase{0, 50}, LevelCase{1, 46}, LevelCase{2, 44},
                                           LevelCase{3, 41}, LevelCase{4, 38}, LevelCase{-1, 44},
                                           LevelCase{5, 44}));

// Random source that replays a script of draws, then goes on at random.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> draws) : m_draws(std::move(draws)) {}
    int below(int n) override
    {
        return m_next < m_draws.size() ? m_draws[m_next++] % n : m_fallback.below(n);
    }

private:
    std::vector<int> m_draws;
    std::size_t m_next = 0;
    SeededRandom m_fallback{99};
};

// The seed digit and its cell alone decide the solution.
TEST(PuzzleGeneratorTest, SameSeedDigitAndCellGiveTheSameSolution)
{
    auto solutionFor = [](std::vector<int> draws) {
        ScriptedRandom random(std::move(draws));
        CellTexts solution, givens, play;
        EXPECT_EQ(PuzzleGenerator::generate(random, 38, {solution, givens, play}), SolveResult::Solved);
        return solution;
    };
    // Draw order: digit - 1, column, row; then the reveal.
    const CellTexts first = solutionFor({4, 2, 7, 11, 12, 13});
    const CellTexts second = solutionFor({4, 2, 7, 60, 5, 3});
    const CellTexts other = solutionFor({4, 7, 2});
    EXPECT_EQ(first.text(2, 7), QStringLiteral("5"));
    bool differs = false;
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            EXPECT_EQ(first.text(column, row), second.text(column, row));
            differs = differs || first.text(column, row) != other.text(column, row);
        }
    }
    EXPECT_TRUE(differs);
}

} // namespace
