#pragma once

#include <cstdint>

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

} // namespace rnd
