#include "celltexts.h"

#include "sudokugrid.h"

int CellTexts::digitOfText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    const char16_t c = trimmed.front().unicode();
    if (trimmed.size() != 1 || c < u'0' || c > u'9')
        return -1;
    return c - u'0';
}

void CellTexts::clear()
{
    m_texts.fill(QString());
    clearOriginMarks();
}

void CellTexts::clearOriginMarks()
{
    m_marks.fill(0);
}

int CellTexts::nonEmptyCount() const
{
    int count = 0;
    for (const QString &text : m_texts)
        count += text.isEmpty() ? 0 : 1;
    return count;
}

bool CellTexts::readDigits(SudokuGrid &grid)
{
    bool readable = true;
    for (int column = 0; column < Size; ++column) {
        for (int row = 0; row < Size; ++row) {
            const int digit = digitOfText(text(column, row));
            // Any text the player left counts as the player's, "0" included;
            // the solver still takes "0" as an empty cell.
            setOriginMark(column, row, text(column, row).trimmed().isEmpty() ? 0 : 1);
            grid.set(column, row, digit > 0 ? digit : 0);
            readable = readable && digit >= 0;
        }
    }
    return readable;
}

void CellTexts::writeDigits(const SudokuGrid &grid)
{
    for (int column = 0; column < Size; ++column) {
        for (int row = 0; row < Size; ++row) {
            const int digit = grid.at(column, row);
            setText(column, row, digit == 0 ? QString() : QString::number(digit));
        }
    }
}

bool CellTexts::conflictsAt(int column, int row) const
{
    const QString &own = text(column, row);
    if (digitOfText(own) <= 0)
        return false;
    for (int i = 0; i < Size; ++i) {
        if (i != row && text(column, i) == own)
            return true;
        if (i != column && text(i, row) == own)
            return true;
    }
    const int boxColumn = column / 3 * 3;
    const int boxRow = row / 3 * 3;
    for (int c = boxColumn; c < boxColumn + 3; ++c) {
        for (int r = boxRow; r < boxRow + 3; ++r) {
            if (c != column && r != row && text(c, r) == own)
                return true;
        }
    }
    return false;
}
