// The generator of the picture's random dots: a 32-bit linear congruential generator whose
// draws are bits 16..30 of the new state. For a given seed the picture is fixed by it, so it is
// the program's own rather than whatever the standard library happens to provide. Defined here
// so that the renderer's 36,000 draws per picture inline.
#pragma once

#include <cstdint>

struct DotRandom {
  std::uint32_t state = 0;
};

inline void SeedDotRandom(DotRandom& generator, std::uint32_t seed) { generator.state = seed; }

// Advances the state and returns a number from 0 to 32767.
inline int DrawDotRandom(DotRandom& generator) {
  // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
  generator.state = generator.state * 214013u + 2531011u;
  return static_cast<int>((generator.state >> 16) & 0x7FFFu);
}
