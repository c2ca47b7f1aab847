#include "sudoku/celltexts.h"
#include "sudoku/sudokuboard.h"
#include "sudoku/sudokugrid.h"
#include "sudoku/sudokugridwidget.h"

#include "platform/dialogs.h"
#include "platform/randomsource.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

class RecordingDialogs final : public Dialogs
{
public:
    void message(const QString &text) override { messages.append(text); }
    void error(const QString &text) override { errors.append(text); }
    bool askYesNo(const QString &, const QString &) override { return false; }
    QString inputBox(const QString &, const QString &, const QString &defaultText) override { return defaultText; }

    QStringList messages;
    QStringList errors;
};

struct Cell
{
    int column, row;
};

class SudokuBoardTest : public ::testing::Test
{
protected:
    SudokuBoardTest() { board.show(); }

    template<typename T>
    T *child(const char *name) const
    {
        T *widget = board.findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    SudokuGridWidget *grid() const { return board.playGrid(); }
    CellTexts &play() const { return grid()->cells(); }
    QCheckBox *errorCheck() const { return child<QCheckBox>("Chk_ControlloErrori"); }

    void newGame(int level = 4)
    {
        board.setLevel(level);
        QTest::mouseClick(child<QPushButton>("Btn_NewGame"), Qt::LeftButton);
    }
    void typeAt(Cell cell, char key)
    {
        grid()->setCurrentCell(cell.column, cell.row);
        QTest::keyClick(grid(), key);
    }
    QString mark(Cell cell) const { return board.errorMarks().text(cell.column, cell.row); }
    QString solutionAt(Cell cell) const { return board.solution().text(cell.column, cell.row); }

    std::vector<Cell> emptyCells() const
    {
        std::vector<Cell> cells;
        for (int column = 0; column < 9; ++column) {
            for (int row = 0; row < 9; ++row) {
                if (play().text(column, row).isEmpty())
                    cells.push_back({column, row});
            }
        }
        return cells;
    }
    // Fills every empty cell but the last with the hidden solution.
    Cell fillAllButOne()
    {
        const std::vector<Cell> cells = emptyCells();
        for (std::size_t i = 0; i + 1 < cells.size(); ++i)
            play().setText(cells[i].column, cells[i].row, solutionAt(cells[i]));
        return cells.back();
    }
    bool playIsFullValidSolution() const
    {
        SudokuGrid solved;
        CellTexts copy = play();
        return copy.readDigits(solved) && solved.isValidSolution();
    }
    QColor pixelIn(Cell cell, int dx = 28, int dy = 28) const
    {
        return grid()->grab().toImage().pixelColor(cell.column * SudokuGridWidget::CellPitch + dx,
                                                   cell.row * SudokuGridWidget::CellPitch + dy);
    }

    RecordingDialogs dialogs;
    SeededRandom random{20261209};
    SudokuBoard board{dialogs, random};
};

TEST_F(SudokuBoardTest, StartsWithPictureOnlyAndIgnoresKeysWhileBusy)
{
    EXPECT_TRUE(child<QLabel>("Img_Sudoku")->isVisible());
    EXPECT_TRUE(child<QPushButton>("Btn_NewGame")->isVisible());
    EXPECT_TRUE(child<QGroupBox>("Rg_SudokuLevel")->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_FALSE(child<QPushButton>("Btn_Complete4Me")->isVisible());
    EXPECT_FALSE(child<QWidget>("Pnl_TastiSudoku")->isVisible());
    for (const char *bar : {"Sg_Sudoku_Barre1", "Sg_Sudoku_Barre2", "Sg_Sudoku_Barre3", "Sg_Sudoku_Barre4"})
        EXPECT_FALSE(child<QWidget>(bar)->isVisible()) << bar;
    EXPECT_EQ(board.level(), 2);
    EXPECT_FALSE(errorCheck()->isChecked());
    EXPECT_TRUE(board.isBusy());

    QTest::keyClick(grid(), Qt::Key_Right);
    EXPECT_EQ(mark({1, 0}), QString());
    EXPECT_EQ(mark({0, 0}), QString());
}

class SudokuBoardLevelTest : public SudokuBoardTest, public ::testing::WithParamInterface<std::pair<int, int>>
{
};

TEST_P(SudokuBoardLevelTest, NewGameShowsTheLevelsGivensOfTheSolution)
{
    const auto [level, givens] = GetParam();
    for (int game = 0; game < 3; ++game) {
        newGame(level);
        EXPECT_EQ(board.level(), level);
        EXPECT_FALSE(board.isBusy());
        EXPECT_TRUE(grid()->isVisible());
        EXPECT_TRUE(grid()->isEditing());
        EXPECT_FALSE(child<QLabel>("Img_Sudoku")->isVisible());
        EXPECT_TRUE(child<QWidget>("Pnl_TastiSudoku")->isVisible());
        EXPECT_TRUE(child<QWidget>("Sg_Sudoku_Barre3")->isVisible());
        EXPECT_TRUE(child<QPushButton>("Btn_Complete4Me")->isVisible());

        EXPECT_EQ(play().nonEmptyCount(), givens);
        EXPECT_EQ(board.givens().nonEmptyCount(), givens);
        SudokuGrid solution;
        CellTexts copy = board.solution();
        ASSERT_TRUE(copy.readDigits(solution));
        EXPECT_TRUE(solution.isValidSolution());
        for (int column = 0; column < 9; ++column) {
            for (int row = 0; row < 9; ++row) {
                EXPECT_EQ(play().originMark(column, row), 0);
                if (!play().text(column, row).isEmpty()) {
                    EXPECT_EQ(play().text(column, row), board.solution().text(column, row));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, SudokuBoardLevelTest,
                         ::testing::Values(std::pair{0, 50}, std::pair{1, 46}, std::pair{2, 44},
                                           std::pair{3, 41}, std::pair{4, 38}, std::pair{-1, 44}));

TEST_F(SudokuBoardTest, ErrorCheckIsOffDuringGenerationAndBackAfter)
{
    errorCheck()->setChecked(true);
    QSignalSpy toggles(errorCheck(), &QCheckBox::toggled);
    newGame();
    ASSERT_EQ(toggles.size(), 2);
    EXPECT_FALSE(toggles.at(0).at(0).toBool());
    EXPECT_TRUE(toggles.at(1).at(0).toBool());
    EXPECT_TRUE(errorCheck()->isChecked());

    errorCheck()->setChecked(false);
    toggles.clear();
    newGame();
    EXPECT_EQ(toggles.size(), 0);
}

TEST_F(SudokuBoardTest, TypingOverAGivenPutsTheGivenBack)
{
    newGame();
    errorCheck()->setChecked(true);
    Cell given{-1, -1};
    for (int column = 0; column < 9 && given.column < 0; ++column) {
        for (int row = 0; row < 9 && given.column < 0; ++row) {
            if (!board.givens().text(column, row).isEmpty())
                given = {column, row};
        }
    }
    const QString digit = board.givens().text(given.column, given.row);
    const char other = digit == QLatin1String("9") ? '1' : static_cast<char>(digit.at(0).toLatin1() + 1);
    typeAt(given, other);
    EXPECT_EQ(play().text(given.column, given.row), digit);
    EXPECT_EQ(mark(given), QStringLiteral("NO"));
    grid()->setCurrentCell(given.column, given.row);
    QTest::keyClick(grid(), Qt::Key_Backspace);
    EXPECT_EQ(play().text(given.column, given.row), digit);
}

TEST_F(SudokuBoardTest, EditMaskKeepsOnlySingleDigits)
{
    newGame();
    const Cell cell = emptyCells().front();
    for (char key : {'a', ' ', '-', 'Z'})
        typeAt(cell, key);
    EXPECT_EQ(play().text(cell.column, cell.row), QString());
    typeAt(cell, '4');
    typeAt(cell, '7');
    EXPECT_EQ(play().text(cell.column, cell.row), QStringLiteral("7"));
}

// Looks for two empty cells placed as asked and a digit that clashes only
// through the relation between them.
std::optional<std::pair<std::pair<Cell, Cell>, char>> findPair(const CellTexts &play, bool sameBoxDiagonal)
{
    auto isFree = [&](Cell at, const QString &digit, Cell ignore) {
        CellTexts probe = play;
        probe.setText(ignore.column, ignore.row, QString());
        probe.setText(at.column, at.row, digit);
        return !probe.conflictsAt(at.column, at.row);
    };
    for (int c1 = 0; c1 < 9; ++c1) {
        for (int r1 = 0; r1 < 9; ++r1) {
            for (int c2 = 0; c2 < 9; ++c2) {
                for (int r2 = 0; r2 < 9; ++r2) {
                    const bool sameBox = c1 / 3 == c2 / 3 && r1 / 3 == r2 / 3;
                    const bool wanted = sameBoxDiagonal ? sameBox && c1 != c2 && r1 != r2 : !sameBox && r1 == r2;
                    if (!wanted || !play.text(c1, r1).isEmpty() || !play.text(c2, r2).isEmpty())
                        continue;
                    for (char d = '1'; d <= '9'; ++d) {
                        const QString digit(QLatin1Char{d});
                        if (isFree({c1, r1}, digit, {c2, r2}) && isFree({c2, r2}, digit, {c1, r1}))
                            return std::pair{std::pair{Cell{c1, r1}, Cell{c2, r2}}, d};
                    }
                }
            }
        }
    }
    return std::nullopt;
}

class SudokuBoardConflictTest : public SudokuBoardTest, public ::testing::WithParamInterface<bool>
{
};

// A digit repeated diagonally inside a box, or far apart in a row, is marked
// "SI"; the first of the pair was fine when typed.
TEST_P(SudokuBoardConflictTest, RepeatedDigitIsMarkedWhileCheckIsOn)
{
    newGame(4);
    errorCheck()->setChecked(true);
    const auto found = findPair(play(), GetParam());
    ASSERT_TRUE(found.has_value());
    const auto [cells, digit] = *found;
    typeAt(cells.first, digit);
    EXPECT_EQ(mark(cells.first), QStringLiteral("NO"));
    typeAt(cells.second, digit);
    EXPECT_EQ(mark(cells.second), QStringLiteral("SI"));
    EXPECT_EQ(pixelIn(cells.second), QColor(0xFF, 0x80, 0x80));

    // With the check off, the next key on that cell takes the mark away.
    errorCheck()->setChecked(false);
    grid()->setCurrentCell(cells.second.column, cells.second.row);
    QTest::keyClick(grid(), Qt::Key_Left);
    EXPECT_EQ(mark(cells.second), QStringLiteral("SI")) << "the arrow left the cell before the key came up";
    QTest::keyClick(grid(), Qt::Key_Right);
    EXPECT_EQ(mark(cells.second), QStringLiteral("NO"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Placements, SudokuBoardConflictTest, ::testing::Values(true, false),
                         [](const auto &testCase) { return testCase.param ? "BoxDiagonal" : "SameRow"; });

TEST_F(SudokuBoardTest, NewGameClearsErrorMarksOfTheLastGame)
{
    newGame();
    errorCheck()->setChecked(true);
    const auto found = findPair(play(), true);
    ASSERT_TRUE(found.has_value());
    typeAt(found->first.first, found->second);
    typeAt(found->first.second, found->second);
    ASSERT_EQ(mark(found->first.second), QStringLiteral("SI"));
    newGame();
    EXPECT_EQ(mark(found->first.second), QString());
}

TEST_F(SudokuBoardTest, LastCellTypedRightRunsTheCompletionAndTurnsEveryDigitRed)
{
    newGame();
    const Cell last = fillAllButOne();
    typeAt(last, solutionAt(last).at(0).toLatin1());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'|').toStdString();
    EXPECT_TRUE(playIsFullValidSolution());
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row)
            EXPECT_EQ(play().originMark(column, row), 1);
    }
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_FALSE(board.isSolving());

    // Every further key on the full grid completes it again.
    play().clearOriginMarks();
    QTest::keyClick(grid(), Qt::Key_Up);
    EXPECT_EQ(play().originMark(0, 0), 1);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SudokuBoardTest, ZeroInTheLastCellCountsAsFullAndIsSolvedAsEmptyButMarked)
{
    newGame();
    const Cell last = fillAllButOne();
    typeAt(last, '0');
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(play().text(last.column, last.row), solutionAt(last));
    EXPECT_EQ(play().originMark(last.column, last.row), 1) << "the player typed something there";
    EXPECT_TRUE(playIsFullValidSolution());
}

TEST_F(SudokuBoardTest, LastCellTypedWrongReportsInvalidCombinationsAndKeepsTheGrid)
{
    newGame();
    const Cell last = fillAllButOne();
    const char right = solutionAt(last).at(0).toLatin1();
    const char wrong = right == '9' ? '1' : static_cast<char>(right + 1);
    typeAt(last, wrong);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Combinazioni inserite non valide!")});
    EXPECT_EQ(play().text(last.column, last.row), QString(QLatin1Char{wrong}));
    EXPECT_EQ(play().originMark(0, 0), 1) << "the marks stay as read";
    EXPECT_EQ(play().originMark(last.column, last.row), 1);
    EXPECT_TRUE(grid()->isEditing()) << "the player must be able to put the grid right";

    typeAt(last, right);
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(playIsFullValidSolution());
}

TEST_F(SudokuBoardTest, KeypadWritesWithoutMarkingUntilAKeyIsReleased)
{
    newGame();
    errorCheck()->setChecked(true);
    const auto found = findPair(play(), false);
    ASSERT_TRUE(found.has_value());
    const auto [cells, digit] = *found;
    typeAt(cells.first, digit);
    grid()->setCurrentCell(cells.second.column, cells.second.row);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("Button%1").arg(digit - '0').toLatin1().constData()),
                      Qt::LeftButton);
    EXPECT_EQ(play().text(cells.second.column, cells.second.row), QString(QLatin1Char{digit}));
    EXPECT_EQ(mark(cells.second), QString());
    QTest::keyClick(grid(), Qt::Key_Shift);
    EXPECT_EQ(mark(cells.second), QStringLiteral("SI"));
}

TEST_F(SudokuBoardTest, CompleteForMeFillsTheGridAndMarksOnlyWhatWasThere)
{
    newGame(0);
    const CellTexts before = play();
    QTest::mouseClick(child<QPushButton>("Btn_Complete4Me"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(playIsFullValidSolution());
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            const bool wasFilled = !before.text(column, row).isEmpty();
            EXPECT_EQ(play().originMark(column, row), wasFilled ? 1 : 0);
            if (wasFilled) {
                EXPECT_EQ(play().text(column, row), before.text(column, row));
            }
        }
    }
    EXPECT_FALSE(grid()->isEditing());
}

TEST_F(SudokuBoardTest, UnsolvableGridEndsWithTheMessageAndIsGivenBack)
{
    newGame();
    play().clear();
    for (int column = 0; column < 8; ++column)
        play().setText(column, 0, QString::number(column + 1));
    play().setText(8, 5, QStringLiteral("9"));
    const CellTexts before = play();
    QTest::mouseClick(child<QPushButton>("Btn_Complete4Me"), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Il sudoku attuale non può essere risolto!")});
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            EXPECT_EQ(play().text(column, row), before.text(column, row));
            EXPECT_EQ(play().originMark(column, row), before.originMark(column, row));
        }
    }
    EXPECT_TRUE(grid()->isEditing());
}

// The completion lets events through; a click that arrives meanwhile must not
// start a second solve or a new game under it.
TEST_F(SudokuBoardTest, StartsDuringACompletionAreIgnored)
{
    newGame(4);
    const CellTexts givens = board.givens();
    int started = 0;
    QTimer::singleShot(0, &board, [&] {
        ++started;
        EXPECT_TRUE(board.isSolving());
        QTest::mouseClick(child<QPushButton>("Btn_NewGame"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("Btn_Complete4Me"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>("Btn_Complete4Me"), Qt::LeftButton);
    ASSERT_EQ(started, 1);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(playIsFullValidSolution());
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            EXPECT_EQ(board.givens().text(column, row), givens.text(column, row));
            if (!givens.text(column, row).isEmpty()) {
                EXPECT_EQ(play().text(column, row), givens.text(column, row));
            }
        }
    }
}

TEST_F(SudokuBoardTest, CellsAreDrawnInTheBoardsColours)
{
    newGame();
    errorCheck()->setChecked(true);
    Cell given{0, 0};
    while (board.givens().text(given.column, given.row).isEmpty())
        given = given.row < 8 ? Cell{given.column, given.row + 1} : Cell{given.column + 1, 0};
    const Cell empty = emptyCells().front();
    EXPECT_EQ(pixelIn(given), QColor(0xEA, 0xEA, 0xEA));
    EXPECT_EQ(pixelIn(empty), QColor(Qt::white));

    QTest::mouseClick(child<QPushButton>("Btn_Complete4Me"), Qt::LeftButton);
    EXPECT_EQ(pixelIn(empty), QColor(0xFF, 0xFF, 0x95));
    EXPECT_EQ(pixelIn(given), QColor(0xEA, 0xEA, 0xEA));
    // Cells that held a digit are written in red, the solver's own in black.
    auto inkOf = [&](Cell cell) {
        const QImage image = grid()->grab().toImage();
        int red = 0, black = 0;
        for (int x = 8; x < 24; ++x) {
            for (int y = 4; y < 24; ++y) {
                const QColor c = image.pixelColor(cell.column * SudokuGridWidget::CellPitch + x,
                                                  cell.row * SudokuGridWidget::CellPitch + y);
                red += c.red() > 200 && c.green() < 80 ? 1 : 0;
                black += c.red() < 80 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
            }
        }
        return std::pair{red, black};
    };
    EXPECT_GT(inkOf(given).first, 5);
    EXPECT_EQ(inkOf(given).second, 0);
    EXPECT_GT(inkOf(empty).second, 5);
    EXPECT_EQ(inkOf(empty).first, 0);

    const QString picture = qEnvironmentVariable("SUDOKU_BOARD_PNG");
    if (!picture.isEmpty())
        board.grab().save(picture);
}

TEST_F(SudokuBoardTest, CaptionsFollowTheInterfaceTexts)
{
    EXPECT_EQ(child<QPushButton>("Btn_Complete4Me")->text(), QStringLiteral("Completa per me!!"));
    EXPECT_EQ(board.findChildren<QRadioButton *>().at(0)->text(), QStringLiteral("Cintura gialla"));
    board.applyTexts([](int n) { return QStringLiteral("text %1").arg(n); });
    EXPECT_EQ(child<QPushButton>("Btn_NewGame")->text(), QStringLiteral("text 117"));
    EXPECT_EQ(child<QPushButton>("Btn_Complete4Me")->text(), QStringLiteral("text 118"));
    EXPECT_EQ(errorCheck()->text(), QStringLiteral("text 119"));
    EXPECT_EQ(child<QGroupBox>("Rg_SudokuLevel")->title(), QStringLiteral("text 120"));
    const QList<QRadioButton *> items = board.findChildren<QRadioButton *>();
    ASSERT_EQ(items.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(items.at(i)->text(), QStringLiteral("text %1").arg(121 + i));
}

TEST_F(SudokuBoardTest, LevelCanBeLeftUnselected)
{
    board.setLevel(-1);
    EXPECT_EQ(board.level(), -1);
    board.setLevel(3);
    EXPECT_EQ(board.level(), 3);
}

} // namespace
