#include "mirrorpool.h"

#include "platform/randomsource.h"

MirrorPool::MirrorPool() = default;

void MirrorPool::startUp(RandomSource &random)
{
    m_count = Capacity;
    m_index = random.below(Capacity) + 1;
}

void MirrorPool::setHost(int n, const QString &host)
{
    if (n >= 1 && n <= Capacity)
        m_hosts[static_cast<std::size_t>(n)] = host.left(MaxHostLength);
}

QString MirrorPool::host(int n) const
{
    return n >= 1 && n <= Capacity ? m_hosts[static_cast<std::size_t>(n)] : QString();
}

void MirrorPool::setIndex(int n)
{
    if (n >= 1 && n <= m_count)
        m_index = n;
}

void MirrorPool::advance()
{
    ++m_index;
    if (m_index > m_count)
        m_index = 1;
}

QString MirrorPool::serverBase() const
{
    return (QStringLiteral("http://") + host(m_index)).left(MaxBaseLength);
}
