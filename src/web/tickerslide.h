#pragma once

// The ticker's slide: one pixel per tick, in until its right side meets the
// right edge, out until it is just past it. The state is the design's timer
// tag: 0 still, 1 sliding in, 2 sliding out.
class TickerSlide final
{
public:
    enum Tag { Still = 0, In = 1, Out = 2 };

    void start(Tag direction);
    Tag tag() const { return m_tag; }
    bool running() const { return m_tag != Still; }

    // One tick: the ticker's next left edge; the slide stops where it arrived.
    int step(int left, int width, int rightEdge);
    // Where the ticker belongs when the screen area changes under it: on
    // screen after sliding in, parked past the edge otherwise, and within
    // the two while it slides.
    int placeOn(int left, int width, int rightEdge) const;

private:
    Tag m_tag = Still;
    Tag m_last = Out;
};
