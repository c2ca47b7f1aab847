#include "candidategrid.h"

#include "digitset.h"
#include "peertables.h"

#include <bit>

namespace {

constexpr std::uint16_t bit(int digit) { return static_cast<std::uint16_t>(1u << digit); }

} // namespace

bool CandidateGrid::start(const SudokuGrid &grid)
{
    m_grid = grid;
    m_empty = 0;
    Queue queue;
    for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
        if (m_grid.atIndex(cell) != 0) {
            m_candidates[at(cell)] = 0;
            continue;
        }
        ++m_empty;
        unsigned seen = 0;
        for (const std::uint8_t peer : Peers.peers[at(cell)])
            seen |= 1u << m_grid.atIndex(peer);
        const auto candidates = static_cast<std::uint16_t>(DigitSet::AllDigitsMask & ~seen);
        m_candidates[at(cell)] = candidates;
        if (candidates == 0)
            return false;
        if (std::has_single_bit(candidates))
            queue.cells[at(queue.size++)] = static_cast<std::uint8_t>(cell);
    }
    return drain(queue);
}

bool CandidateGrid::place(int cell, int digit)
{
    if (m_grid.atIndex(cell) == digit)
        return true;
    if (!allows(cell, digit))
        return false;
    Queue queue;
    return fill(cell, digit, queue) && drain(queue);
}

bool CandidateGrid::allows(int cell, int digit) const
{
    return m_grid.atIndex(cell) == digit || (m_candidates[at(cell)] & bit(digit)) != 0;
}

bool CandidateGrid::fill(int cell, int digit, Queue &queue)
{
    m_grid.setAtIndex(cell, digit);
    m_candidates[at(cell)] = 0;
    --m_empty;
    const std::uint16_t digitBit = bit(digit);
    for (const std::uint8_t peer : Peers.peers[at(cell)]) {
        std::uint16_t &candidates = m_candidates[peer];
        if ((candidates & digitBit) == 0)
            continue;
        candidates = static_cast<std::uint16_t>(candidates & ~digitBit);
        if (candidates == 0)
            return false;
        if (std::has_single_bit(candidates))
            queue.cells[at(queue.size++)] = peer;
    }
    return true;
}

bool CandidateGrid::drain(Queue &queue)
{
    while (queue.size > 0) {
        const int cell = queue.cells[at(--queue.size)];
        if (m_grid.atIndex(cell) != 0)
            continue;
        if (!fill(cell, std::countr_zero(m_candidates[at(cell)]), queue))
            return false;
    }
    return true;
}

bool CandidateGrid::deduce()
{
    for (bool placed = true; placed;) {
        placed = false;
        for (int unit = 0; unit < PeerTables::UnitCount; ++unit) {
            if (!placeHiddenSingles(unit, placed))
                return false;
        }
    }
    return true;
}

bool CandidateGrid::placeHiddenSingles(int unit, bool &placed)
{
    const PeerTables::CellList &cells = Peers.units[at(unit)];
    unsigned once = 0, twice = 0, filled = 0;
    for (const std::uint8_t cell : cells) {
        if (const int digit = m_grid.atIndex(cell); digit != 0) {
            filled |= bit(digit);
        } else {
            twice |= once & m_candidates[cell];
            once |= m_candidates[cell];
        }
    }
    if ((once | filled) != DigitSet::AllDigitsMask)
        return false;
    for (unsigned hidden = once & ~twice & ~filled; hidden != 0; hidden &= hidden - 1) {
        const int digit = std::countr_zero(hidden);
        int target = -1;
        bool present = false;
        for (const std::uint8_t cell : cells) {
            if ((m_candidates[cell] & bit(digit)) != 0)
                target = cell;
            present = present || m_grid.atIndex(cell) == digit;
        }
        // An earlier placement of this unit may have filled the digit's one
        // place with it, or taken the place away.
        if (present)
            continue;
        if (target < 0)
            return false;
        Queue queue;
        if (!fill(target, digit, queue) || !drain(queue))
            return false;
        placed = true;
    }
    return true;
}

int CandidateGrid::branchCell() const
{
    int best = -1;
    int bestCount = 10;
    for (int cell = 0; cell < SudokuGrid::CellCount && bestCount > 2; ++cell) {
        if (m_grid.atIndex(cell) != 0)
            continue;
        if (const int count = std::popcount(m_candidates[at(cell)]); count < bestCount) {
            best = cell;
            bestCount = count;
        }
    }
    return best;
}
