#include "render/dot_random.h"

void SeedDotRandom(DotRandom& generator, std::uint32_t seed) { generator.state = seed; }

int DrawDotRandom(DotRandom& generator) {
  // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
  generator.state = generator.state * 214013u + 2531011u;
  return static_cast<int>((generator.state >> 16) & 0x7FFFu);
}
