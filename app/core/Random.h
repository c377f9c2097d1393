#pragma once

#include <cstdint>
#include <functional>

// One pseudo-random source for every draw in the program. Screens re-seed it
// from the clock where the design says so; tests pin it with seedRandom().
namespace rnd {

// Mixes the time of day into the generator's state, so several re-seeds
// within one clock tick still give different draws.
void Randomize();

// Uniform in [0, 1).
double Rnd();

// Uniform whole number from 1 to n (n >= 1), always within range.
int drawFrom1To(int n);

void seedRandom(std::uint64_t seed);

// The draws a rules class takes. As built it is the program's own source;
// a test replaces either half to pin or script the draws. The rules call
// `reseed` where the design re-seeds from the clock.
struct Source {
    std::function<void()> reseed = Randomize;
    std::function<int(int n)> from1To = drawFrom1To; // 1..n
};

} // namespace rnd
