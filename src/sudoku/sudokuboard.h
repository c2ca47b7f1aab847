#pragma once

#include "celltexts.h"

#include <QWidget>

#include <array>
#include <functional>

class Dialogs;
class RandomSource;
class SudokuGridWidget;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The "Sudoku" page: the play grid with its box bars, the keypad with the
// live error check, "Nuova partita", "Completa per me!!" and the level
// choice. The hidden solution, the givens and the error marks are kept here
// as plain grids of texts.
class SudokuBoard final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SudokuBoard)

public:
    SudokuBoard(Dialogs &dialogs, RandomSource &random, QWidget *parent = nullptr);

    // Captions from the interface texts of the current language (text n).
    void applyTexts(const std::function<QString(int)> &text);

    // While busy the key handling of the play grid does nothing. The board
    // starts busy; the first new game clears it.
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }
    // True while a solve runs; a second start meanwhile is ignored.
    bool isSolving() const { return m_solving; }

    // Level 0..4, or -1 for none selected.
    int level() const;
    void setLevel(int level);

    SudokuGridWidget *playGrid() const { return m_play; }
    const CellTexts &solution() const { return m_solution; }
    const CellTexts &givens() const { return m_givens; }
    const CellTexts &errorMarks() const { return m_errorMarks; }

public Q_SLOTS:
    void Btn_NewGameClick();
    void Btn_Complete4MeClick();
    void Sg_Sudoku2KeyUp();

private:
    void buildControls();
    void buildKeypad();
    void buildLevels();
    void keypadClick(int digit);
    void runCompletion();
    bool isGiven(int column, int row) const;
    void showGame();

    Dialogs &m_dialogs;
    RandomSource &m_random;
    CellTexts m_solution;
    CellTexts m_givens;
    CellTexts m_errorMarks;
    bool m_busy = true;
    bool m_solving = false;

    QLabel *m_picture = nullptr;
    SudokuGridWidget *m_play = nullptr;
    std::array<QFrame *, 4> m_bars{};
    QPushButton *m_newGame = nullptr;
    QPushButton *m_complete = nullptr;
    QFrame *m_keypad = nullptr;
    QCheckBox *m_errorCheck = nullptr;
    QGroupBox *m_levelBox = nullptr;
    QButtonGroup *m_levels = nullptr;
};
