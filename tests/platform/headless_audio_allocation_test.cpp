// Nothing is allocated during play: the headless audio plays effects and turns the music up and
// down without touching the heap once its clips are loaded.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/headless/headless_host.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::AllocationCounter;

TEST(AllocationCounter, CountsEveryAllocationInItsScope) {
  AllocationCounter outer;
  auto one = std::make_unique<int>(1);
  {
    AllocationCounter inner;
    std::vector<int> hundred(100);
    EXPECT_EQ(inner.allocations(), 1u);
    EXPECT_EQ(inner.bytes(), 100 * sizeof(int));
  }
  EXPECT_EQ(outer.allocations(), 2u) << "an open counter also counts what inner scopes allocate";
  AllocationCounter after;
  one.reset();
  EXPECT_EQ(after.allocations(), 0u) << "freeing is no allocation";
}

TEST(HeadlessAudio, PlayingAnEffectAThousandTimesAllocatesNothing) {
  testing_support::TempDir dir;
  testing_support::WriteFile(dir.File("hit.wav"), "stands in for a sound");
  platform::HeadlessHost host;
  platform::Audio& audio = host.audio();
  auto hit = audio.LoadSound(dir.File("hit.wav"));
  ASSERT_NE(hit, nullptr);
  audio.PlaySound(*hit);  // warmed: the first play as the game's loading would make it

  AllocationCounter counter;
  for (int i = 0; i < 1000; ++i) {
    audio.PlaySound(*hit);
    host.virtualClock().Advance(16667);
  }
  EXPECT_EQ(counter.allocations(), 0u) << "playing an effect allocates nothing";
  EXPECT_EQ(host.headlessAudio().plays(dir.File("hit.wav")), 1001);
}

TEST(HeadlessAudio, MusicFadingOutAllocatesNothingWithTheCallLogOff) {
  testing_support::TempDir dir;
  testing_support::WriteFile(dir.File("track.mp3"), "stands in for a track");
  platform::HeadlessOptions options;
  options.recordAudioCalls = false;
  platform::HeadlessHost host(options);
  platform::Audio& audio = host.audio();
  ASSERT_TRUE(audio.OpenMusic(dir.File("track.mp3")));
  audio.PlayMusic();

  AllocationCounter counter;
  for (int frame = 0; frame < 600; ++frame) {
    audio.SetMusicVolume(1.0f - frame / 600.0f);
    if (audio.MusicEnded()) {
      audio.SeekMusic(0);
      audio.PlayMusic();
    }
    host.virtualClock().Advance(16667);
  }
  EXPECT_EQ(counter.allocations(), 0u) << "the game's music calls during play allocate nothing";
}

}  // namespace
