// The generator of the picture's random dots: a 32-bit linear congruential generator whose
// draws are bits 16..30 of the new state. For a given seed the picture is fixed by it, so it is
// the program's own rather than whatever the standard library happens to provide. Defined here
// so that the renderer's 36,000 draws per picture inline.
#pragma once

#include <cstdint>
#include <cstring>

struct DotRandom {
  std::uint32_t state = 0;
};

constexpr std::uint32_t kDotRandomMultiplier = 214013u;
constexpr std::uint32_t kDotRandomIncrement = 2531011u;

inline void SeedDotRandom(DotRandom& generator, std::uint32_t seed) { generator.state = seed; }

inline int DrawOf(std::uint32_t state) { return static_cast<int>((state >> 16) & 0x7FFFu); }

// Advances the state and returns a number from 0 to 32767.
inline int DrawDotRandom(DotRandom& generator) {
  // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
  generator.state = generator.state * kDotRandomMultiplier + kDotRandomIncrement;
  return DrawOf(generator.state);
}

// n steps of the generator in one: state -> multiplier * state + increment (mod 2^32).
struct DotRandomJump {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};

constexpr DotRandomJump DotRandomJumpOf(int steps) {
  DotRandomJump jump;
  for (int i = 0; i < steps; ++i)
    jump = {jump.multiplier * kDotRandomMultiplier,
            jump.increment * kDotRandomMultiplier + kDotRandomIncrement};
  return jump;
}

// The draws of a generator taken Width at a time, as rows of dots: each row holds the next
// Width draws in the order DrawDotRandom gives them. A step waits for the one before it (a
// multiply and an add, some four cycles), which bounds one generator at a draw per step. Here
// each column keeps a generator of its own that jumps a whole row at once, so the columns do
// not wait for one another and a row is computed four columns to an instruction.
template <int Width>
class DotRandomRows {
  static_assert(Width > 0 && Width % 4 == 0);
  using Lanes = std::uint32_t __attribute__((vector_size(16)));

 public:
  // The first row holds the draws that follow generator's state.
  explicit DotRandomRows(const DotRandom& generator) {
    DotRandom column = generator;
    for (int x = 0; x < Width; ++x) {
      DrawDotRandom(column);
      lanes_[x / 4][x % 4] = column.state;
    }
  }

  void Next(std::uint32_t (&draws)[Width]) {
    constexpr DotRandomJump kRow = DotRandomJumpOf(Width);
    Lanes multiplier = Lanes{} + kRow.multiplier;
    // Hidden from the optimiser: by a known constant GCC multiplies with a chain of shifts and
    // adds, twice the instructions of the processor's own multiply.
    __asm__("" : "+x"(multiplier));
    for (int i = 0; i < Width / 4; ++i) {
      const Lanes row = (lanes_[i] >> 16) & 0x7FFFu;
      std::memcpy(draws + 4 * i, &row, sizeof row);
      lanes_[i] = lanes_[i] * multiplier + kRow.increment;
    }
  }

 private:
  Lanes lanes_[Width / 4];
};
