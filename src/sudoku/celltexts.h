#pragma once

#include <QString>

#include <array>

class SudokuGrid;

// The contents of a 9×9 grid control: one text per cell, plus the origin mark
// a solve leaves on each cell (1 if it held a digit when the solve started).
// Columns and rows count from 0.
class CellTexts final
{
public:
    static constexpr int Size = 9;
    // What a cell's text means to the solver: 0 for empty (blank or "0"),
    // 1..9 for a digit, -1 for text that is not a single digit.
    static int digitOfText(const QString &text);

    const QString &text(int column, int row) const { return m_texts[index(column, row)]; }
    void setText(int column, int row, const QString &text) { m_texts[index(column, row)] = text; }
    int originMark(int column, int row) const { return m_marks[index(column, row)]; }
    void setOriginMark(int column, int row, int mark) { m_marks[index(column, row)] = mark; }

    // Empties every cell and clears its origin mark.
    void clear();
    void clearOriginMarks();
    int nonEmptyCount() const;
    // Full means no cell has an empty text, whatever the text is.
    bool isFull() const { return nonEmptyCount() == Size * Size; }

    // Reads the digits for a solve and sets every origin mark: 1 for a cell
    // with any text, "0" included. Returns false if a cell holds text that
    // is not a digit.
    bool readDigits(SudokuGrid &grid);
    // Each cell gets its digit as text, or the empty text for 0.
    void writeDigits(const SudokuGrid &grid);

    // Whether the cell's text stands again in another cell of its column, of
    // its row, or of its box off its row and column. Only a digit 1..9 can
    // conflict.
    bool conflictsAt(int column, int row) const;

private:
    static std::size_t index(int column, int row) { return static_cast<std::size_t>(column * Size + row); }

    std::array<QString, Size * Size> m_texts;
    std::array<int, Size * Size> m_marks{};
};
