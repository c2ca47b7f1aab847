#include "tickerslide.h"

#include <algorithm>

void TickerSlide::start(Tag direction)
{
    m_tag = direction;
    if (direction != Still)
        m_last = direction;
}

int TickerSlide::step(int left, int width, int rightEdge)
{
    if (m_tag == In && rightEdge - width < left)
        return left - 1;
    if (m_tag == Out && left < rightEdge)
        return left + 1;
    m_tag = Still;
    return left;
}

int TickerSlide::placeOn(int left, int width, int rightEdge) const
{
    if (m_tag != Still)
        return std::clamp(left, rightEdge - width, rightEdge);
    return m_last == In ? rightEdge - width : rightEdge;
}
