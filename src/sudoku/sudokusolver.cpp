#include "sudokusolver.h"

#include "candidategrid.h"
#include "digitset.h"
#include "sudokugrid.h"

#include <array>
#include <bit>

namespace {

constexpr int UnitCount = SudokuGrid::Size;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// All cells are visited even after the first clash, as the reading does.
bool hasConflict(const SudokuGrid &grid)
{
    std::array<DigitSet, UnitCount> columns{}, rows{}, boxes{};
    bool conflict = false;
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        const int digit = grid.atIndex(cell);
        if (digit == 0)
            continue;
        if (digit > 9) {
            conflict = true;
            continue;
        }
        const int column = SudokuGrid::columnOf(cell);
        const int row = SudokuGrid::rowOf(cell);
        DigitSet &c = columns[at(column)];
        DigitSet &r = rows[at(row)];
        DigitSet &b = boxes[at(SudokuGrid::boxOf(column, row))];
        if (c.contains(digit) || r.contains(digit) || b.contains(digit))
            conflict = true;
        c.add(digit);
        r.add(digit);
        b.add(digit);
    }
    return conflict;
}

// The depth-first search. Each level holds two copies of the grid: `plain`
// has had singles only, and decides where to branch and in which order;
// `deduced` has had stronger deductions too, and only says which guesses
// are dead ends and when the rest of the grid is already forced. A guess is
// tried on fresh copies, so backing out costs nothing.
class Search final
{
public:
    Search(const SudokuSolver::ProgressHook &onWrite, std::chrono::nanoseconds interval)
        : m_onWrite(onWrite), m_interval(interval)
    {
    }

    // Whether the grid, free of conflicts, has a solution; if so, it is solution().
    bool run(const SudokuGrid &grid);
    const SudokuGrid &solution() const { return m_solution; }
    long guesses() const { return m_guesses; }

private:
    bool explore(const CandidateGrid &plain, const CandidateGrid &deduced);
    void report(const SudokuGrid &grid);

    const SudokuSolver::ProgressHook &m_onWrite;
    const std::chrono::nanoseconds m_interval;
    bool m_reported = false;
    std::chrono::steady_clock::time_point m_lastWrite;
    SudokuGrid m_solution;
    long m_guesses = 0;
};

bool Search::run(const SudokuGrid &grid)
{
    CandidateGrid plain;
    if (!plain.start(grid))
        return false;
    report(plain.grid());
    CandidateGrid deduced = plain;
    return deduced.deduce() && explore(plain, deduced);
}

bool Search::explore(const CandidateGrid &plain, const CandidateGrid &deduced)
{
    // Sound deductions that fill the grid leave one completion, which is
    // therefore the first one the search would reach.
    if (deduced.isFull()) {
        m_solution = deduced.grid();
        return true;
    }
    const int cell = plain.branchCell();
    for (unsigned untried = plain.candidates(cell); untried != 0; untried &= untried - 1) {
        const int digit = std::countr_zero(untried);
        if (!deduced.allows(cell, digit))
            continue;
        ++m_guesses;
        CandidateGrid nextPlain = plain;
        if (!nextPlain.place(cell, digit))
            continue;
        CandidateGrid nextDeduced = deduced;
        if (!nextDeduced.place(cell, digit) || !nextDeduced.deduce())
            continue;
        report(nextPlain.grid());
        if (explore(nextPlain, nextDeduced))
            return true;
    }
    return false;
}

void Search::report(const SudokuGrid &grid)
{
    if (!m_onWrite)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_reported && now - m_lastWrite < m_interval)
        return;
    m_reported = true;
    m_lastWrite = now;
    m_onWrite(grid);
}

} // namespace

SolveResult SudokuSolver::solve(SudokuGrid &grid, const ProgressHook &onWrite, SolveStats *stats,
                                std::chrono::nanoseconds interval)
{
    if (hasConflict(grid))
        return SolveResult::ConflictingInput;

    Search search(onWrite, interval);
    const bool solved = search.run(grid);
    if (stats)
        stats->guesses = search.guesses();
    if (!solved)
        return SolveResult::NoSolution;
    grid = search.solution();
    return SolveResult::Solved;
}
