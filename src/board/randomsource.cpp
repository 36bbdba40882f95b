#include "randomsource.h"

namespace {

std::uint64_t systemSeed()
{
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

} // namespace

RandomSource::RandomSource(std::optional<std::uint64_t> seed)
    : m_engine(seed.value_or(systemSeed()))
{
}

double RandomSource::next()
{
    // 53 random bits give every double in [0, 1) on the grid 2^-53 evenly.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}
