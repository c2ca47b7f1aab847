#include "stripplacement.h"

#include "screenedges.h"

namespace StripPlacement {

QPoint collapsed(const ScreenEdges &edges, QSize window)
{
    return {edges.right - ShownWhenCollapsed, edges.bottom - window.height()};
}

QPoint expanded(const ScreenEdges &edges, QSize window)
{
    return {edges.right - window.width(), edges.bottom - window.height()};
}

} // namespace StripPlacement
