#pragma once

#include "celltexts.h"

#include <QWidget>

// The drawn 9×9 grid of the board: 36-pixel cells, the program's own colours
// and lines, one-digit editing. The givens and the error marks it draws from
// belong to the board.
class SudokuGridWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SudokuGridWidget)

public:
    static constexpr int CellSize = 36;
    static constexpr int CellPitch = CellSize + 1;
    static constexpr int GridSize = 9 * CellPitch;

    SudokuGridWidget(const CellTexts &givens, const CellTexts &errorMarks, QWidget *parent = nullptr);

    CellTexts &cells() { return m_cells; }
    const CellTexts &cells() const { return m_cells; }

    int currentColumn() const { return m_column; }
    int currentRow() const { return m_row; }
    void setCurrentCell(int column, int row);
    QString currentText() const { return m_cells.text(m_column, m_row); }
    void setCurrentText(const QString &text);

    // With editing on, digit keys write into the current cell and the cells
    // that are not givens are drawn white.
    bool isEditing() const { return m_editing; }
    void setEditing(bool editing);

    QSize sizeHint() const override { return {GridSize, GridSize}; }

Q_SIGNALS:
    // Every key released in the grid, arrows included.
    void keyReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintCell(QPainter &painter, int column, int row) const;

    const CellTexts &m_givens;
    const CellTexts &m_errorMarks;
    CellTexts m_cells;
    int m_column = 0;
    int m_row = 0;
    bool m_editing = false;
};
