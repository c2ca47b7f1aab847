#pragma once

#include "sudokusolver.h"

#include <functional>

class CellTexts;

// A solve of a grid control's contents: reads the digits (setting the origin
// marks), solves, writes the grid back as the search starts, then about every
// 16 ms, and at the end. After each write the caller's hook runs, so a window
// can repaint and breathe.
// Conflicting input leaves the texts alone and the marks as read. A search
// that runs out gives the texts and marks back as they were: the player's
// grid is never left holding its guesses.
SolveResult solveCells(CellTexts &cells, const std::function<void()> &afterWrite = {},
                       SolveStats *stats = nullptr);
