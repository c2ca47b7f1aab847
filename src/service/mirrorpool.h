#pragma once

#include <QString>

#include <array>

class RandomSource;

// The six mirror hosts of the service and the one in use (1-based).
class MirrorPool
{
public:
    static constexpr int Capacity = 6;
    static constexpr int MaxHostLength = 50;
    static constexpr int MaxBaseLength = 57;

    MirrorPool();

    // Picks the first mirror uniformly at random.
    void startUp(RandomSource &random);
    // Host names longer than 50 characters are cut there.
    void setHost(int n, const QString &host);

    QString host(int n) const;
    int count() const { return m_count; }
    int index() const { return m_index; }
    void setIndex(int n);
    // The next mirror, the first again after the last.
    void advance();

    // "http://" followed by the current host.
    QString serverBase() const;

private:
    std::array<QString, Capacity + 1> m_hosts; // entry 0 is never used
    int m_count = Capacity;
    int m_index = 1;
};
