// The dot generator: its sequence is what fixes a picture for a seed.
#include <gtest/gtest.h>

#include "render/dot_random.h"

namespace {

TEST(DotRandomTest, FirstDrawsFromStateOne) {
  DotRandom random;
  SeedDotRandom(random, 1);
  const int expected[8] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (int value : expected) EXPECT_EQ(DrawDotRandom(random), value);
}

// The state wraps modulo 2^32, and bit 31 of the state never reaches a draw.
TEST(DotRandomTest, StateWrapsAndDrawsStayBelow32768) {
  DotRandom random;
  SeedDotRandom(random, 0xFFFFFFFFu);
  EXPECT_EQ(DrawDotRandom(random), 35);  // state 2316998
  EXPECT_EQ(random.state, 2316998u);
  bool sawHighBit = false;
  for (int i = 0; i < 1000; ++i) {
    const int value = DrawDotRandom(random);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
    sawHighBit = sawHighBit || (random.state & 0x80000000u) != 0;
  }
  EXPECT_TRUE(sawHighBit);
}

}  // namespace
