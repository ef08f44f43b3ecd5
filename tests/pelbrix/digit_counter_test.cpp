// The score counters: twelve decimal digits, read left-aligned, added with carries that wrap.
#include "pelbrix/game/digit_counter.h"

#include <gtest/gtest.h>

namespace {

TEST(DigitCounter, StartsAtTwelveZerosAndSetKeepsTheLastDigitsThatFit) {
  CDigitCounter c(12);
  EXPECT_EQ(c.digits(), "000000000000");
  c.Set(123);
  EXPECT_EQ(c.digits(), "000000000123");
  c.Set(9876543210123ull);
  EXPECT_EQ(c.digits(), "876543210123") << "value modulo 10^12";
}

TEST(DigitCounter, ParseReadsTheTextLeftAligned) {
  CDigitCounter c(12);
  c.Parse("123");
  EXPECT_EQ(c.digits(), "123000000000");
  c.Parse("9x7");
  EXPECT_EQ(c.digits(), "907000000000") << "a character that is no digit becomes 0";
  c.Parse("5555555555555555");
  EXPECT_EQ(c.digits(), "555555555555") << "only the counter's length is read";
  c.Set(0);
  c.Parse("");
  EXPECT_EQ(c.digits(), "000000000000");
}

TEST(DigitCounter, AddCarriesAndWrapsAtTenToTheTwelfth) {
  CDigitCounter c(12);
  for (int i = 0; i < 30; ++i) c.Add(50);
  EXPECT_EQ(c.digits(), "000000001500") << "30 bullets at rate 50";
  c.Parse("999999999999");
  c.Add(1);
  EXPECT_EQ(c.digits(), "000000000000") << "the carry out of the first digit is lost";
  c.Parse("999999999990");
  c.Add(25);
  EXPECT_EQ(c.digits(), "000000000015");
}

TEST(DigitCounter, CompareGoesDigitByDigitFromTheFirst) {
  CDigitCounter a(12), b(12);
  EXPECT_EQ(a.Compare(b), 0);
  a.Set(1000);
  b.Set(999);
  EXPECT_EQ(a.Compare(b), 1);
  EXPECT_EQ(b.Compare(a), -1);
  b.CopyFrom(a);
  EXPECT_EQ(b.digits(), "000000001000");
  EXPECT_EQ(a.Compare(b), 0);
}

}  // namespace
