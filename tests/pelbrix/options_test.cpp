#include "pelbrix/options.h"

#include <gtest/gtest.h>

#include "tests/support/args.h"

namespace {

using testing_support::Args;

ScreenOptions Parse(std::initializer_list<std::string> args) {
  Args a(args);
  ScreenOptions options;
  ParseScreenOptions(a.argc(), a.argv(), options);
  return options;
}

TEST(Options, DefaultsAreAnEightHundredBySixHundredWindow) {
  ScreenOptions o = Parse({});
  EXPECT_EQ(o.windowWidth, 800);
  EXPECT_EQ(o.windowHeight, 600);
  EXPECT_EQ(o.fullscreenWidth, 800);
  EXPECT_EQ(o.fullscreenHeight, 600);
  EXPECT_EQ(o.fullscreenRefreshRate, 60);
  EXPECT_FALSE(o.fullscreenRequested);
  EXPECT_TRUE(o.confirmExit);
}

TEST(Options, SizeOptionsSetWindowFullscreenOrBoth) {
  ScreenOptions both = Parse({"-w", "1024"});
  EXPECT_EQ(both.windowWidth, 1024);
  EXPECT_EQ(both.fullscreenWidth, 1024);
  ScreenOptions windowOnly = Parse({"-ww", "1024"});
  EXPECT_EQ(windowOnly.windowWidth, 1024);
  EXPECT_EQ(windowOnly.fullscreenWidth, 800);
  ScreenOptions split = Parse({"-w", "800", "-h", "600", "-fw", "1024", "-fh", "768"});
  EXPECT_EQ(split.windowWidth, 800);
  EXPECT_EQ(split.windowHeight, 600);
  EXPECT_EQ(split.fullscreenWidth, 1024);
  EXPECT_EQ(split.fullscreenHeight, 768);
  ScreenOptions heights = Parse({"-wh", "480", "-fh", "720", "-r", "75"});
  EXPECT_EQ(heights.windowHeight, 480);
  EXPECT_EQ(heights.fullscreenHeight, 720);
  EXPECT_EQ(heights.fullscreenRefreshRate, 75);
}

TEST(Options, FlagsRepeatsAndLastOneWins) {
  ScreenOptions o = Parse({"-f", "-nce", "-w", "640", "-w", "1280"});
  EXPECT_TRUE(o.fullscreenRequested);
  EXPECT_FALSE(o.confirmExit);
  EXPECT_EQ(o.windowWidth, 1280);
}

TEST(Options, ValueOptionAsLastArgumentChangesNothing) {
  ScreenOptions o = Parse({"-w"});
  EXPECT_EQ(o.windowWidth, 800);
  EXPECT_EQ(o.fullscreenWidth, 800);
}

TEST(Options, OnlyWholeCaseSensitiveMatchesCount) {
  ScreenOptions o = Parse({"-W", "1024", "-width", "1024", "--f", "-F", "w", "1024"});
  EXPECT_EQ(o.windowWidth, 800);
  EXPECT_FALSE(o.fullscreenRequested);
}

TEST(Options, TheValueIsAlsoReadAsAnOption) {
  // The value is not skipped: "-w -f" takes "-f" as width 0 and as the fullscreen flag.
  ScreenOptions o = Parse({"-w", "-f"});
  EXPECT_EQ(o.windowWidth, 0);
  EXPECT_TRUE(o.fullscreenRequested);
}

TEST(Options, NumbersAreReadAsAtoiReadsThem) {
  EXPECT_EQ(ReadOptionInteger("  42"), 42);
  EXPECT_EQ(ReadOptionInteger("-17px"), -17);
  EXPECT_EQ(ReadOptionInteger("+8"), 8);
  EXPECT_EQ(ReadOptionInteger("wide"), 0);
  EXPECT_EQ(ReadOptionInteger(""), 0);
  EXPECT_EQ(ReadOptionInteger("99999999999999999999"), 2147483647);
  EXPECT_EQ(ReadOptionInteger("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
