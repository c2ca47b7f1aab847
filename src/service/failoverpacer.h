#pragma once

// Paces a failover loop so that a client with every mirror down does not
// spin: after each full round of failures, one per mirror, it waits before
// the next round, 2 s at first, doubling up to 60 s. Any success starts over.
class FailoverPacer final
{
public:
    static constexpr int FirstWaitMs = 2000;
    static constexpr int LongestWaitMs = 60000;

    explicit FailoverPacer(int roundLength) : m_roundLength(roundLength) {}

    // Counts a failure; returns the wait before the next request, 0 within a round.
    int failed();
    void succeeded();

private:
    int m_roundLength;
    int m_failures = 0;
    int m_nextWaitMs = FirstWaitMs;
};
