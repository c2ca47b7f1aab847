#pragma once

#include <cstdint>
#include <random>

// The program's random source, seeded once at start. Tests pass their own.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0..n-1; n must be positive.
    virtual int below(int n) = 0;
};

class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    int below(int n) override
    {
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }

private:
    std::mt19937_64 m_engine;
};
