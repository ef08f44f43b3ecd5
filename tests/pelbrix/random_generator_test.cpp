#include "pelbrix/random_generator.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomGenerator, DrawsTheReferenceSequenceOfSeed5489) {
  RandomGenerator random;
  const uint32_t expected[] = {3499211612u, 581869302u, 3890346734u, 3586334585u, 545404204u};
  for (uint32_t word : expected) EXPECT_EQ(random.NextWord(), word);
  for (int i = 5; i < 9999; ++i) random.NextWord();
  EXPECT_EQ(random.NextWord(), 4123659995u) << "the 10000th output of the reference generator";
}

TEST(RandomGenerator, UniformIsTheWordOverTwoToThe32) {
  RandomGenerator random;
  EXPECT_DOUBLE_EQ(random.NextUniform(), 3499211612.0 / 4294967296.0);
  RandomGenerator other;
  for (int i = 0; i < 1000; ++i) {
    double u = other.NextUniform();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
}

}  // namespace
