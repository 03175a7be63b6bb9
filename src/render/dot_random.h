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

// Four and eight 32-bit lanes; named outside the template below, as GCC's link-time optimiser
// cannot stream a vector size that depends on a template parameter.
using DotLanes4 = std::uint32_t __attribute__((vector_size(16)));
using DotLanes8 = std::uint32_t __attribute__((vector_size(32)));

// The draws of a generator taken Width at a time, as rows of dots: each row holds the next
// Width draws in the order DrawDotRandom gives them. A step waits for the one before it (a
// multiply and an add, some four cycles), which bounds one generator at a draw per step. Here
// each column keeps a generator of its own that jumps a whole row at once, so the columns do
// not wait for one another and a row is computed four columns to an instruction, or eight
// where the processor has AVX2.
template <int Width>
class DotRandomRows {
  static_assert(Width > 0 && Width % 8 == 0);

 public:
  // The first row holds the draws that follow generator's state.
  explicit DotRandomRows(const DotRandom& generator) {
    DotRandom column = generator;
    for (std::uint32_t& lane : lanes_) {
      DrawDotRandom(column);
      lane = column.state;
    }
  }

  // Each draw is kept only in the bits of mask (whole draws with the default): a caller that
  // needs a few low bits has them cut here, several columns to an instruction.
  void Next(std::uint32_t (&draws)[Width], std::uint32_t mask = 0x7FFFu) {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2")) return NextEight(draws, mask);
#endif
    NextFour(draws, mask);
  }
  // Four columns to an instruction, as every x86-64 processor can: Next's way without AVX2.
  void NextFour(std::uint32_t (&draws)[Width], std::uint32_t mask = 0x7FFFu) {
    NextIn<DotLanes4>(draws, mask);
  }

 private:
  template <typename Lanes>
  [[gnu::always_inline]] void NextIn(std::uint32_t* draws, std::uint32_t mask) {
    constexpr int kLanes = sizeof(Lanes) / sizeof(std::uint32_t);
    constexpr DotRandomJump kRow = DotRandomJumpOf(Width);
    // Hidden from the optimiser: by a known constant GCC multiplies with a chain of shifts and
    // adds, twice the instructions of the processor's own multiply.
    std::uint32_t hidden = kRow.multiplier;
    __asm__("" : "+r"(hidden));
    const Lanes multiplier = Lanes{} + hidden;
    for (int i = 0; i < Width; i += kLanes) {
      Lanes lanes;
      std::memcpy(&lanes, lanes_ + i, sizeof lanes);
      const Lanes row = (lanes >> 16) & (mask & 0x7FFFu);
      std::memcpy(draws + i, &row, sizeof row);
      lanes = lanes * multiplier + kRow.increment;
      std::memcpy(lanes_ + i, &lanes, sizeof lanes);
    }
  }
#if defined(__x86_64__)
  [[gnu::target("avx2")]] void NextEight(std::uint32_t* draws, std::uint32_t mask) {
    NextIn<DotLanes8>(draws, mask);
  }
#endif

  std::uint32_t lanes_[Width];
};
