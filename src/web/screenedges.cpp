#include "screenedges.h"

#include <QRect>

ScreenEdges ScreenEdges::of(const QRect &available)
{
    return {available.x() + available.width(), available.y() + available.height()};
}
