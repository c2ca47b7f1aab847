#pragma once

class QRect;

// The right and bottom edges of the screen area windows may use: the first
// column and row past it, as the ticker and the search strip are placed
// against them.
struct ScreenEdges
{
    int right = 0;
    int bottom = 0;

    static ScreenEdges of(const QRect &available);
};
