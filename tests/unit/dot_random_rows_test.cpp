// The strip's rows of draws continue the one generator's sequence, whichever vector width
// computes them (Next takes the widest the processor has; NextFour is its way without AVX2).
#include <gtest/gtest.h>

#include <cstdint>

#include "render/dot_random.h"

TEST(DotRandomRowsTest, RowsHoldTheGeneratorsNextDraws) {
  for (std::uint32_t seed : {0u, 1u, 1718000000u, 0xFFFFFFFFu}) {
    DotRandom serial;
    SeedDotRandom(serial, seed);
    DotRandomRows<80> widest(serial), four(serial);
    for (int row = 0; row < 3; ++row) {
      std::uint32_t draws[80], fours[80];
      widest.Next(draws);
      four.NextFour(fours);
      for (int x = 0; x < 80; ++x) {
        const auto expected = static_cast<std::uint32_t>(DrawDotRandom(serial));
        ASSERT_EQ(draws[x], expected) << "seed " << seed << ", row " << row << ", column " << x;
        ASSERT_EQ(fours[x], expected) << "seed " << seed << ", row " << row << ", column " << x;
      }
    }
  }
}
