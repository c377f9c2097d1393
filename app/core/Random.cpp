#include "Random.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace rnd {
namespace {

std::mt19937_64 &engine()
{
    static std::mt19937_64 e(std::random_device{}());
    return e;
}

} // namespace

void Randomize()
{
    auto &e = engine();
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{std::uint64_t(e()), std::uint64_t(now), std::uint64_t(now >> 32)};
    e.seed(seq);
}

double Rnd()
{
    // 53 random bits: exact doubles in [0, 1), never 1.
    return double(engine()() >> 11) * 0x1.0p-53;
}

int drawFrom1To(int n)
{
    if (n < 1)
        return 1;
    return std::clamp(int(double(n) * Rnd()) + 1, 1, n);
}

void seedRandom(std::uint64_t seed)
{
    engine().seed(seed);
}

} // namespace rnd
