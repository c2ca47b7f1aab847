#pragma once

#include "sudokugrid.h"

#include <array>
#include <cstdint>

// Which cells see which: the 20 peers of every cell (same column, row or box)
// and the nine cells of every unit (columns 0..8, rows 9..17, boxes 18..26).
// Built at compile time, so the solver looks them up instead of recomputing.
struct PeerTables final
{
    static constexpr int PeerCount = 20;
    static constexpr int UnitCount = 27;
    using CellList = std::array<std::uint8_t, SudokuGrid::Size>;

    std::array<std::array<std::uint8_t, PeerCount>, SudokuGrid::CellCount> peers{};
    std::array<CellList, UnitCount> units{};

    static constexpr bool sees(int a, int b)
    {
        const int ca = SudokuGrid::columnOf(a), ra = SudokuGrid::rowOf(a);
        const int cb = SudokuGrid::columnOf(b), rb = SudokuGrid::rowOf(b);
        return a != b && (ca == cb || ra == rb || SudokuGrid::boxOf(ca, ra) == SudokuGrid::boxOf(cb, rb));
    }

    static constexpr PeerTables build()
    {
        PeerTables t;
        std::array<int, UnitCount> filled{};
        for (int cell = 0; cell < SudokuGrid::CellCount; ++cell) {
            int n = 0;
            for (int other = 0; other < SudokuGrid::CellCount; ++other) {
                if (sees(cell, other))
                    t.peers[static_cast<std::size_t>(cell)][static_cast<std::size_t>(n++)] = static_cast<std::uint8_t>(other);
            }
            const int column = SudokuGrid::columnOf(cell);
            const int row = SudokuGrid::rowOf(cell);
            for (const int unit : {column, SudokuGrid::Size + row, 2 * SudokuGrid::Size + SudokuGrid::boxOf(column, row)}) {
                const auto u = static_cast<std::size_t>(unit);
                t.units[u][static_cast<std::size_t>(filled[u]++)] = static_cast<std::uint8_t>(cell);
            }
        }
        return t;
    }
};

inline constexpr PeerTables Peers = PeerTables::build();
