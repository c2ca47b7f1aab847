#pragma once

#include <QPoint>
#include <QSize>

struct ScreenEdges;

// Where the search strip sits: collapsed, only its handle and a sliver show
// at the right edge; expanded, the whole strip is on screen. Both rest on
// the bottom edge.
namespace StripPlacement {

constexpr int ShownWhenCollapsed = 17;

QPoint collapsed(const ScreenEdges &edges, QSize window);
QPoint expanded(const ScreenEdges &edges, QSize window);

} // namespace StripPlacement
