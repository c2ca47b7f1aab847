#include "failoverpacer.h"

#include <algorithm>

int FailoverPacer::failed()
{
    if (++m_failures < m_roundLength)
        return 0;
    m_failures = 0;
    const int wait = m_nextWaitMs;
    m_nextWaitMs = std::min(m_nextWaitMs * 2, LongestWaitMs);
    return wait;
}

void FailoverPacer::succeeded()
{
    m_failures = 0;
    m_nextWaitMs = FirstWaitMs;
}
