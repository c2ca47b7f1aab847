#include "gridtext.h"

#include "sudoku/cellsolve.h"
#include "sudoku/celltexts.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char *text;
    int digit;
};

class CellTextDigitTest : public ::testing::TestWithParam<TextCase>
{
};

// Whatever lands in a cell is read without a crash: blanks and "0" are empty,
// anything that is not one digit 0..9 is unreadable.
TEST_P(CellTextDigitTest, ReadsTextAsDigit)
{
    EXPECT_EQ(CellTexts::digitOfText(QString::fromUtf8(GetParam().text)), GetParam().digit)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CellTextDigitTest,
                         ::testing::Values(TextCase{"", 0}, TextCase{"   ", 0}, TextCase{"0", 0},
                                           TextCase{"5", 5}, TextCase{" 9 ", 9}, TextCase{"\t1\n", 1},
                                           TextCase{"12", -1}, TextCase{"a", -1}, TextCase{"-1", -1},
                                           TextCase{"+3", -1}, TextCase{"4 4", -1},
                                           TextCase{"\xd9\xa3", -1} /* Arabic-Indic three */));

CellTexts textsOf(const std::string &line)
{
    CellTexts texts;
    texts.writeDigits(gridOf(line));
    return texts;
}

// Every cell with text is the player's, "0" too, though "0" solves as empty.
TEST(CellTextsTest, ReadingMarksEveryCellWithText)
{
    CellTexts texts;
    texts.setText(0, 0, QStringLiteral("4"));
    texts.setText(1, 0, QStringLiteral("0"));
    texts.setText(2, 0, QStringLiteral(" "));
    texts.setOriginMark(3, 3, 1);
    SudokuGrid grid;
    ASSERT_TRUE(texts.readDigits(grid));
    EXPECT_EQ(grid.at(0, 0), 4);
    EXPECT_EQ(texts.originMark(0, 0), 1);
    EXPECT_EQ(grid.at(1, 0), 0);
    EXPECT_EQ(texts.originMark(1, 0), 1);
    EXPECT_EQ(texts.originMark(2, 0), 0);
    EXPECT_EQ(texts.originMark(3, 3), 0) << "a stale mark must be cleared by the next read";
    EXPECT_EQ(grid.filledCount(), 1);
}

TEST(CellTextsTest, FullMeansNoEmptyTextEvenWithZeros)
{
    CellTexts texts = textsOf(ValidSolution);
    EXPECT_TRUE(texts.isFull());
    texts.setText(8, 8, QStringLiteral("0"));
    EXPECT_TRUE(texts.isFull());
    texts.setText(8, 8, QString());
    EXPECT_FALSE(texts.isFull());
    EXPECT_EQ(texts.nonEmptyCount(), 80);
}

struct ConflictPlacement
{
    const char *name;
    int column, row;
    bool conflicts;
};

class CellConflictTest : public ::testing::TestWithParam<ConflictPlacement>
{
};

// A 5 stands at column 4, row 4; a second 5 is put at the given place.
TEST_P(CellConflictTest, SecondDigitConflictsOnlyInItsUnits)
{
    const ConflictPlacement &p = GetParam();
    CellTexts texts;
    texts.setText(4, 4, QStringLiteral("5"));
    texts.setText(p.column, p.row, QStringLiteral("5"));
    EXPECT_EQ(texts.conflictsAt(p.column, p.row), p.conflicts);
    EXPECT_EQ(texts.conflictsAt(4, 4), p.conflicts);
}

INSTANTIATE_TEST_SUITE_P(Placements, CellConflictTest,
                         ::testing::Values(ConflictPlacement{"BoxDiagonal", 3, 3, true},
                                           ConflictPlacement{"BoxAntiDiagonal", 5, 3, true},
                                           ConflictPlacement{"SameRowInBox", 3, 4, true},
                                           ConflictPlacement{"SameColumnInBox", 4, 5, true},
                                           ConflictPlacement{"RowFarAway", 0, 4, true},
                                           ConflictPlacement{"ColumnFarAway", 4, 8, true},
                                           ConflictPlacement{"OtherBoxDiagonal", 6, 6, false},
                                           ConflictPlacement{"Unrelated", 0, 0, false}),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

TEST(CellTextsTest, OnlyDigitsAboveZeroConflict)
{
    CellTexts texts;
    for (const char *text : {"0", "x"}) {
        texts.setText(0, 0, QString::fromLatin1(text));
        texts.setText(1, 0, QString::fromLatin1(text));
        EXPECT_FALSE(texts.conflictsAt(0, 0)) << text;
    }
}

TEST(CellSolveTest, SolvedGridIsWrittenBackAndAddedDigitsStayUnmarked)
{
    CellTexts texts = textsOf("000000010400000000020000000000050407008000300001090000300400200050100000000806000");
    int writes = 0;
    ASSERT_EQ(solveCells(texts, [&] { ++writes; }), SolveResult::Solved);
    SudokuGrid grid;
    ASSERT_TRUE(texts.readDigits(grid));
    EXPECT_TRUE(grid.isValidSolution());
    EXPECT_GE(writes, 2) << "as the search starts and at the end";
    // readDigits above re-marked everything; check the marks of a fresh solve.
    CellTexts again = textsOf("000000010400000000020000000000050407008000300001090000300400200050100000000806000");
    ASSERT_EQ(solveCells(again), SolveResult::Solved);
    EXPECT_EQ(again.originMark(7, 0), 1);
    EXPECT_EQ(again.originMark(0, 0), 0);
}

TEST(CellSolveTest, UnreadableCellIsConflictingInputAndKeepsTheMarksAsRead)
{
    CellTexts texts;
    texts.setText(0, 0, QStringLiteral("3"));
    texts.setText(2, 2, QStringLiteral("ab"));
    int writes = 0;
    EXPECT_EQ(solveCells(texts, [&] { ++writes; }), SolveResult::ConflictingInput);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(texts.text(2, 2), QStringLiteral("ab"));
    EXPECT_EQ(texts.nonEmptyCount(), 2);
    EXPECT_EQ(texts.originMark(0, 0), 1) << "the player's digits keep their marks";
    EXPECT_EQ(texts.originMark(1, 1), 0);
}

// The search writes its guesses as it goes; when it runs out, the
// player's own texts and marks come back rather than a half-guessed grid.
TEST(CellSolveTest, ExhaustedSearchGivesThePlayersTextsBack)
{
    // One wrong digit that clashes with nothing directly: only a search finds it.
    CellTexts texts = textsOf("600700000000012930000900874930050007500007090001000000014005060000009003000000009");
    texts.setText(1, 0, QStringLiteral("0"));
    texts.setOriginMark(1, 1, 1);
    const CellTexts before = texts;
    int writes = 0;
    EXPECT_EQ(solveCells(texts, [&] { ++writes; }), SolveResult::NoSolution);
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            EXPECT_EQ(texts.text(column, row), before.text(column, row));
            EXPECT_EQ(texts.originMark(column, row), before.originMark(column, row));
        }
    }
    EXPECT_GE(writes, 1);
}

} // namespace
