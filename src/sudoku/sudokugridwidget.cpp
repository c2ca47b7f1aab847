#include "sudokugridwidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor LineColour(0x00, 0x78, 0xB3);
const QColor GivenBackground(0xEA, 0xEA, 0xEA);
const QColor IdleBackground(0xFF, 0xFF, 0x95);
const QColor ErrorBackground(0xFF, 0x80, 0x80);

// The edit mask takes one digit; anything else typed into a cell is dropped.
bool isDigitKey(const QKeyEvent *event)
{
    const QString text = event->text();
    return text.size() == 1 && text.front() >= u'0' && text.front() <= u'9';
}

} // namespace

SudokuGridWidget::SudokuGridWidget(const CellTexts &givens, const CellTexts &errorMarks, QWidget *parent)
    : QWidget(parent), m_givens(givens), m_errorMarks(errorMarks)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(GridSize, GridSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SudokuGridWidget::setCurrentCell(int column, int row)
{
    m_column = std::clamp(column, 0, CellTexts::Size - 1);
    m_row = std::clamp(row, 0, CellTexts::Size - 1);
    update();
}

void SudokuGridWidget::setCurrentText(const QString &text)
{
    m_cells.setText(m_column, m_row, text);
    update();
}

void SudokuGridWidget::setEditing(bool editing)
{
    m_editing = editing;
    update();
}

void SudokuGridWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    for (int column = 0; column < CellTexts::Size; ++column) {
        for (int row = 0; row < CellTexts::Size; ++row)
            paintCell(painter, column, row);
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_column * CellPitch + 2, m_row * CellPitch + 2, CellSize - 5, CellSize - 5);
    }
}

void SudokuGridWidget::paintCell(QPainter &painter, int column, int row) const
{
    const QRect cell(column * CellPitch, row * CellPitch, CellSize, CellSize);
    const QColor textColour = m_cells.originMark(column, row) > 0 ? QColor(Qt::red) : QColor(Qt::black);
    QColor background = Qt::white;
    if (CellTexts::digitOfText(m_givens.text(column, row)) > 0)
        background = GivenBackground;
    else if (!m_editing)
        background = IdleBackground;
    QFont font = painter.font();
    font.setPointSize(10);
    font.setBold(true);
    if (m_errorMarks.text(column, row) == QLatin1String("SI")) {
        font.setPointSize(12);
        background = ErrorBackground;
    }

    painter.fillRect(cell, background);
    // The edges lie on the one-pixel gap after the cell; box edges are thicker.
    const int right = cell.right() + 1;
    const int bottom = cell.bottom() + 1;
    if (column < CellTexts::Size - 1) {
        painter.setPen(QPen(LineColour, column % 3 == 2 ? 2 : 1));
        painter.drawLine(right, cell.top(), right, bottom);
    }
    if (row < CellTexts::Size - 1) {
        painter.setPen(QPen(LineColour, row % 3 == 2 ? 2 : 1));
        painter.drawLine(right, bottom, cell.left(), bottom);
    }
    painter.setFont(font);
    painter.setPen(textColour);
    painter.drawText(cell.adjusted(8, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_cells.text(column, row));
}

void SudokuGridWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentCell(m_column - 1, m_row);
        return;
    case Qt::Key_Right:
        setCurrentCell(m_column + 1, m_row);
        return;
    case Qt::Key_Up:
        setCurrentCell(m_column, m_row - 1);
        return;
    case Qt::Key_Down:
        setCurrentCell(m_column, m_row + 1);
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (m_editing)
            setCurrentText(QString());
        return;
    default:
        break;
    }
    if (isDigitKey(event)) {
        if (m_editing)
            setCurrentText(event->text());
        return;
    }
    QWidget::keyPressEvent(event);
}

void SudokuGridWidget::keyReleaseEvent(QKeyEvent *event)
{
    // Held keys repeat their press, but the key is released only once.
    if (event->isAutoRepeat())
        return;
    Q_EMIT keyReleased();
}

void SudokuGridWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    setCurrentCell(at.x() / CellPitch, at.y() / CellPitch);
    setFocus(Qt::MouseFocusReason);
}
