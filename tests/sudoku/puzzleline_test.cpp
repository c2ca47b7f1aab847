#include "gridtext.h"

#include "sudoku-solve/puzzlefilesolver.h"
#include "sudoku/puzzleline.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(PuzzleLineTest, ReadsRowByRowAndFormatsBackTheSameWay)
{
    const std::string line = "1........" + std::string(63, '.') + "........9";
    const PuzzleLine::Parsed parsed = PuzzleLine::parse(line);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.grid.at(0, 0), 1);
    EXPECT_EQ(parsed.grid.at(8, 8), 9);
    EXPECT_EQ(parsed.grid.filledCount(), 2);
    EXPECT_EQ(PuzzleLine::format(gridOf(ValidSolution)), ValidSolution);
    // Column 1 of row 0 is the second character, not the tenth.
    EXPECT_EQ(gridOf(ValidSolution).at(1, 0), 9);
    EXPECT_EQ(gridOf(ValidSolution).at(0, 1), 4);
}

struct BadLine
{
    const char *name;
    std::string line;
    const char *error;
};

class PuzzleLineErrorTest : public ::testing::TestWithParam<BadLine>
{
};

TEST_P(PuzzleLineErrorTest, MalformedLineIsRejectedWithAReason)
{
    const PuzzleLine::Parsed parsed = PuzzleLine::parse(GetParam().line);
    EXPECT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PuzzleLineErrorTest,
    ::testing::Values(BadLine{"Short", std::string(80, '.'), "expected 81 cells, got 80 characters"},
                      BadLine{"Long", std::string(82, '1'), "expected 81 cells, got 82 characters"},
                      BadLine{"Letter", std::string(40, '.') + "x" + std::string(40, '.'),
                              "bad character 'x' at position 41"},
                      BadLine{"InnerBlank", std::string(40, '.') + " " + std::string(40, '.'),
                              "bad character ' ' at position 41"},
                      BadLine{"NulByte", std::string(80, '.') + std::string(1, '\0'),
                              "bad character byte 0x00 at position 81"},
                      BadLine{"Utf8", std::string(79, '.') + "\xc3\xa9", "bad character byte 0xc3 at position 80"}),
    [](const auto &testCase) { return std::string(testCase.param.name); });

TEST(PuzzleLineTest, BlankAndCommentLinesAreSkipped)
{
    EXPECT_TRUE(PuzzleLine::isSkipped(""));
    EXPECT_TRUE(PuzzleLine::isSkipped("  \r"));
    EXPECT_TRUE(PuzzleLine::isSkipped("  # note"));
    EXPECT_FALSE(PuzzleLine::isSkipped(std::string(81, '.')));
    EXPECT_TRUE(PuzzleLine::parse(std::string(81, '0') + "\r").ok) << "CR LF files";
}

// One answer per puzzle line in order, and the tool carries on after a bad line.
TEST(PuzzleFileSolverTest, AnswersEveryPuzzleLineInOrder)
{
    const std::string hard = "000000010400000000020000000000050407008000300001090000300400200050100000000806000";
    std::istringstream in("# header\n" + hard + "\r\n\n" + "55" + std::string(79, '.') + "\n" + "garbage\n"
                          + "12345678." + std::string(36, '.') + "........9" + std::string(27, '.') + "\n"
                          + ValidSolution);
    std::ostringstream out;
    const PuzzleFileSolver::Totals totals = PuzzleFileSolver::run(in, out);

    std::istringstream answers(out.str());
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(answers, line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u);
    const SudokuGrid solved = gridOf(lines[0]);
    EXPECT_TRUE(solved.isValidSolution());
    EXPECT_TRUE(keepsClues(gridOf(hard), solved));
    EXPECT_EQ(lines[1], "conflict");
    EXPECT_EQ(lines[2], "error: expected 81 cells, got 7 characters");
    EXPECT_EQ(lines[3], "unsolvable");
    EXPECT_EQ(lines[4], ValidSolution);
    EXPECT_EQ(totals.puzzles, 4);
}

} // namespace
