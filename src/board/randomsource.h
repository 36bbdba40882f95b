#pragma once

#include <cstdint>
#include <optional>
#include <random>

// The one source of uniform numbers 0 <= r < 1 shared by Quick Pick and the
// number draw. It is seeded from the operating system unless a seed is given,
// so two starts of the program never draw the same digits; tests give a seed
// to make a run repeatable.
class RandomSource
{
public:
    explicit RandomSource(std::optional<std::uint64_t> seed = std::nullopt);
    virtual ~RandomSource() = default;

    virtual double next();

private:
    std::mt19937_64 m_engine;
};
