// The generator of the picture's random dots: a 32-bit linear congruential generator whose
// draws are bits 16..30 of the new state. For a given seed the picture is fixed by it, so it is
// the program's own rather than whatever the standard library happens to provide.
#pragma once

#include <cstdint>

struct DotRandom {
  std::uint32_t state = 0;
};

void SeedDotRandom(DotRandom& generator, std::uint32_t seed);
// Advances the state and returns a number from 0 to 32767.
int DrawDotRandom(DotRandom& generator);
