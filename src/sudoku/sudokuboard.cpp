#include "sudokuboard.h"

#include "cellsolve.h"
#include "puzzlegenerator.h"
#include "solvemode.h"
#include "sudokugridwidget.h"

#include "platform/dialogs.h"
#include "theme/textfit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int GridLeft = 6;
constexpr int GridTop = 7;
constexpr int BarWidth = 5;
const QColor BarColour(0x00, 0x60, 0xBF);

const char *const DesignLevelNames[PuzzleGenerator::LevelCount] = {
    "Cintura gialla", "Cintura Blu", "Cintura verde", "Cintura scarlatta", "Cintura marrone"};

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The picture shown in place of the grid before the first game.
QPixmap boardPicture()
{
    QPixmap pixmap(SudokuGridWidget::GridSize, SudokuGridWidget::GridSize);
    pixmap.fill(QColor(0xEA, 0xF2, 0xFA));
    QPainter painter(&pixmap);
    for (int i = 1; i < 9; ++i) {
        const int at = i * SudokuGridWidget::CellPitch - 1;
        painter.setPen(QPen(QColor(0x00, 0x78, 0xB3), i % 3 == 0 ? 3 : 1));
        painter.drawLine(at, 0, at, pixmap.height());
        painter.drawLine(0, at, pixmap.width(), at);
    }
    QFont font = painter.font();
    font.setPointSize(36);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(BarColour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Sudoku"));
    return pixmap;
}

} // namespace

SudokuBoard::SudokuBoard(Dialogs &dialogs, RandomSource &random, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_random(random)
{
    buildControls();
    buildKeypad();
    buildLevels();
    setMinimumSize(548, 346);
}

void SudokuBoard::buildControls()
{
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Img_Sudoku"));
    m_picture->setPixmap(boardPicture());
    m_picture->setGeometry(GridLeft, GridTop, SudokuGridWidget::GridSize, SudokuGridWidget::GridSize);

    m_play = new SudokuGridWidget(m_givens, m_errorMarks, this);
    m_play->setObjectName(QStringLiteral("Sg_Sudoku2"));
    m_play->setAccessibleName(QStringLiteral("Sudoku"));
    m_play->move(GridLeft, GridTop);
    m_play->hide();
    connect(m_play, &SudokuGridWidget::keyReleased, this, &SudokuBoard::Sg_Sudoku2KeyUp);

    // Thick separators over the box edges of the grid: two across, two down.
    const QRect barRects[4] = {{GridLeft, 115, SudokuGridWidget::GridSize, BarWidth},
                               {GridLeft, 226, SudokuGridWidget::GridSize, BarWidth},
                               {114, GridTop, BarWidth, SudokuGridWidget::GridSize},
                               {225, GridTop, BarWidth, SudokuGridWidget::GridSize}};
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        m_bars[i] = new QFrame(this);
        m_bars[i]->setObjectName(QStringLiteral("Sg_Sudoku_Barre%1").arg(i + 1));
        m_bars[i]->setGeometry(barRects[i]);
        m_bars[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        paintBackground(m_bars[i], BarColour);
        m_bars[i]->hide();
    }

    m_newGame = new QPushButton(QStringLiteral("Nuova partita"), this);
    m_newGame->setObjectName(QStringLiteral("Btn_NewGame"));
    m_newGame->setGeometry(348, 158, 196, 28);
    connect(m_newGame, &QPushButton::clicked, this, &SudokuBoard::Btn_NewGameClick);

    m_complete = new QPushButton(QStringLiteral("Completa per me!!"), this);
    m_complete->setObjectName(QStringLiteral("Btn_Complete4Me"));
    m_complete->setGeometry(348, 190, 196, 28);
    m_complete->hide();
    connect(m_complete, &QPushButton::clicked, this, &SudokuBoard::Btn_Complete4MeClick);
}

void SudokuBoard::buildKeypad()
{
    m_keypad = new QFrame(this);
    m_keypad->setObjectName(QStringLiteral("Pnl_TastiSudoku"));
    m_keypad->setGeometry(348, GridTop, 196, 150);
    paintBackground(m_keypad, BarColour);
    for (int digit = 1; digit <= 9; ++digit) {
        auto *button = new QPushButton(QString::number(digit), m_keypad);
        button->setObjectName(QStringLiteral("Button%1").arg(digit));
        button->setGeometry(10 + (digit - 1) % 3 * 60, 6 + (digit - 1) / 3 * 38, 56, 34);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, digit] { keypadClick(digit); });
    }
    m_errorCheck = new QCheckBox(QStringLiteral("Controllo dinamico errori"), m_keypad);
    m_errorCheck->setObjectName(QStringLiteral("Chk_ControlloErrori"));
    m_errorCheck->setGeometry(4, 120, 190, 26);
    QPalette palette = m_errorCheck->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_errorCheck->setPalette(palette);
    m_keypad->hide();
}

void SudokuBoard::buildLevels()
{
    m_levelBox = new QGroupBox(QStringLiteral("Level"), this);
    m_levelBox->setObjectName(QStringLiteral("Rg_SudokuLevel"));
    m_levelBox->setGeometry(348, 222, 196, 124);
    m_levels = new QButtonGroup(m_levelBox);
    auto *layout = new QVBoxLayout(m_levelBox);
    layout->setSpacing(0);
    layout->setContentsMargins(8, 2, 8, 2);
    for (int i = 0; i < PuzzleGenerator::LevelCount; ++i) {
        auto *button = new QRadioButton(QString::fromLatin1(DesignLevelNames[i]), m_levelBox);
        button->setObjectName(QStringLiteral("Rg_SudokuLevelItem%1").arg(i));
        m_levels->addButton(button, i);
        layout->addWidget(button);
    }
    m_levels->button(2)->setChecked(true);
}

void SudokuBoard::applyTexts(const std::function<QString(int)> &text)
{
    m_newGame->setText(text(117));
    m_complete->setText(text(118));
    m_errorCheck->setText(text(119));
    TextFit::fit(m_errorCheck);
    m_levelBox->setTitle(text(120));
    for (int i = 0; i < PuzzleGenerator::LevelCount; ++i)
        m_levels->button(i)->setText(text(121 + i));
}

int SudokuBoard::level() const
{
    return m_levels->checkedId();
}

void SudokuBoard::setLevel(int level)
{
    if (QAbstractButton *button = m_levels->button(level)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button by itself.
    m_levels->setExclusive(false);
    for (QAbstractButton *button : m_levels->buttons())
        button->setChecked(false);
    m_levels->setExclusive(true);
}

bool SudokuBoard::isGiven(int column, int row) const
{
    return CellTexts::digitOfText(m_givens.text(column, row)) > 0;
}

void SudokuBoard::showGame()
{
    m_picture->hide();
    for (QFrame *bar : m_bars)
        bar->show();
    m_play->show();
    for (QFrame *bar : m_bars)
        bar->raise();
    m_keypad->show();
    m_complete->show();
}

void SudokuBoard::Btn_NewGameClick()
{
    // A completion lets events through; a new game in the middle of it would
    // have its play grid overwritten by the completion's writes.
    if (m_solving)
        return;
    showGame();
    m_busy = true;
    const bool wasChecking = m_errorCheck->isChecked();
    if (wasChecking)
        m_errorCheck->setChecked(false);
    // Marks of the last game would otherwise flag cells of the new puzzle.
    m_errorMarks.clear();

    m_solving = true;
    const SolveResult result = PuzzleGenerator::generate(
        m_random, PuzzleGenerator::givensForLevel(level()), {m_solution, m_givens, m_play->cells()});
    m_solving = false;
    if (result == SolveResult::ConflictingInput)
        m_dialogs.error(conflictMessage(SolveMode::Generation));

    m_play->setEditing(true);
    if (wasChecking)
        m_errorCheck->setChecked(true);
    m_busy = false;
    m_play->update();
    m_play->setFocus();
}

void SudokuBoard::Btn_Complete4MeClick()
{
    runCompletion();
}

void SudokuBoard::runCompletion()
{
    if (m_solving)
        return;
    m_solving = true;
    const bool wasEditing = m_play->isEditing();
    m_play->setEditing(false);
    const SolveResult result = solveCells(m_play->cells(), [this] {
        m_play->update();
        QCoreApplication::processEvents();
    });
    m_solving = false;

    switch (result) {
    case SolveResult::Solved:
        m_play->setFocus();
        QCoreApplication::processEvents();
        break;
    case SolveResult::ConflictingInput:
    case SolveResult::NoSolution:
        // The grid is the player's again, as it was, so it can be put right.
        m_play->setEditing(wasEditing);
        m_dialogs.error(result == SolveResult::NoSolution ? unsolvableMessage()
                                                          : conflictMessage(SolveMode::Completion));
        break;
    }
}

void SudokuBoard::Sg_Sudoku2KeyUp()
{
    if (m_busy)
        return;
    const bool checking = m_errorCheck->isChecked();
    const int column = m_play->currentColumn();
    const int row = m_play->currentRow();
    const bool given = isGiven(column, row);
    if (given)
        m_play->setCurrentText(m_givens.text(column, row));
    const bool full = m_play->cells().isFull();
    const bool conflicts = checking && !given && m_play->cells().conflictsAt(column, row);
    if (conflicts) {
        m_errorMarks.setText(column, row, QStringLiteral("SI"));
    } else {
        m_errorMarks.setText(column, row, QStringLiteral("NO"));
        if (full)
            runCompletion();
    }
    m_play->update();
    QCoreApplication::processEvents();
}

void SudokuBoard::keypadClick(int digit)
{
    // The grid belongs to a running solve until it ends.
    if (m_solving)
        return;
    m_play->setCurrentText(QString::number(digit));
    m_play->setFocus();
}
