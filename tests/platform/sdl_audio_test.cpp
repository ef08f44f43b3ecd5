// Music and effects through SDL2_mixer, recorded by SDL's disk audio driver: what a player
// would hear.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "pelbrix/music_player.h"
#include "pelbrix/sound_player.h"
#include "platform/game_path.h"
#include "platform/sdl/sdl_host.h"
#include "tests/support/sound.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::TempDir;

constexpr double kRate = 44100;
constexpr size_t kFramesPerTick = 735;  // 44100 / 60
constexpr size_t kBufferFrames = 512;   // the mixer's buffer, as the audio backend opens it
constexpr double kTickMs = 1000.0 / 60;
constexpr double kMixerBufferMs = kBufferFrames / kRate * 1000;

std::string GamePathOf(const std::string& hostPath) { return *platform::GamePath(hostPath); }

// An SDL host whose sound goes to a raw file instead of a device, with the mixer's own clock:
// the number of frames mixed so far, which is the position in the recording. SDL's disk driver
// sleeps a fixed time after each buffer, so under load the recording falls behind the wall
// clock; tests that place sounds in it are paced by this clock instead.
class RecordedAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
    host = platform::CreateSdlHost();
    ASSERT_TRUE(host->audio().available()) << SDL_GetError();
    Mix_SetPostMix(CountFrames, &mixedFrames);
    ASSERT_TRUE(WaitUntilMixed(1)) << "the mixer never ran";
  }
  void TearDown() override {
    if (host) Mix_SetPostMix(nullptr, nullptr);
  }
  // Closes the device, so that everything played is in the file.
  std::vector<int16_t> Recorded() {
    Mix_SetPostMix(nullptr, nullptr);
    host.reset();
    return testing_support::ReadRawStereo(output());
  }
  std::string output() const { return dir.File("out.raw"); }

  size_t mixed() const { return mixedFrames.load(); }
  // Waits in 1 ms sleeps until the mixer has produced this many frames; false if it has not
  // after 30000 of them.
  bool WaitUntilMixed(size_t frames) const {
    for (int ms = 0; mixedFrames.load() < frames; ++ms) {
      if (ms > 30000) return false;
      SDL_Delay(1);
    }
    return true;
  }
  // A sound started between two readings of the clock by a call that takes the mixer's lock (as
  // playing an effect does) starts at the first buffer mixed after the call: somewhere in
  // [before, after], on a buffer boundary.
  struct Started {
    size_t before = 0, after = 0;
  };
  template <typename Call>
  Started Timed(Call call) const {
    Started s;
    s.before = mixed();
    call();
    s.after = mixed();
    return s;
  }

  // The device may write a buffer or two of silence before the mixer first runs, so a position
  // on the mixer's clock is a little earlier than the same place in the recording. The first
  // sound calibrates it: it begins at the first frame that is not silent.
  struct InRecording {
    size_t first = 0, last = 0;  // the places a sound started at [before, after] can be
  };
  std::function<InRecording(Started)> Calibrate(const std::vector<int16_t>& sound,
                                                Started firstSound) const {
    size_t f = 0;
    while (f < sound.size() / 2 && sound[2 * f] == 0 && sound[2 * f + 1] == 0) ++f;
    size_t least = f >= firstSound.after ? f - firstSound.after : 0;
    size_t most = f >= firstSound.before ? f - firstSound.before : 0;
    return [least, most](Started s) { return InRecording{s.before + least, s.after + most}; };
  }

  TempDir dir;
  std::unique_ptr<platform::Host> host;
  std::atomic<size_t> mixedFrames{0};

 private:
  static void CountFrames(void* counter, Uint8*, int bytes) {
    *static_cast<std::atomic<size_t>*>(counter) += size_t(bytes) / 4;  // 16-bit stereo
  }
};

TEST_F(RecordedAudio, ThreeQuickPlaysOfOneEffectSoundOverEachOther) {
  testing_support::WriteBurstWav(dir.File("hit.wav"), 1.0, 0.3);
  // The samples the mixer adds for one play (the file converted to the device's format).
  Mix_Chunk* chunk = Mix_LoadWAV(dir.File("hit.wav").c_str());
  ASSERT_NE(chunk, nullptr);
  std::vector<int16_t> clip(reinterpret_cast<const int16_t*>(chunk->abuf),
                            reinterpret_cast<const int16_t*>(chunk->abuf) + chunk->alen / 2);
  Mix_FreeChunk(chunk);
  const size_t clipFrames = clip.size() / 2;
  const size_t spacing = size_t(0.1 * kRate);  // 100 ms of sound between the plays
  Started plays[3];
  {
    SoundPlayer player(host->audio());
    SoundEffect hit(host->audio(), GamePathOf(dir.File("hit.wav")));
    ASSERT_TRUE(hit.loaded());
    player.PrepareEffect(hit);
    for (int i = 0; i < 3; ++i) {
      if (i > 0) ASSERT_TRUE(WaitUntilMixed(plays[i - 1].after + spacing));
      plays[i] = Timed([&] { player.PlayEffect(hit); });
    }
    ASSERT_TRUE(WaitUntilMixed(plays[2].after + clipFrames + kBufferFrames));
  }
  std::vector<int16_t> sound = Recorded();
  auto inRecording = Calibrate(sound, plays[0]);
  ASSERT_GE(sound.size() / 2, inRecording(plays[2]).last + clipFrames);

  // Where each play begins: the buffer boundary in its window from which the recording, less the
  // plays before it, is the clip.
  size_t starts[3];
  for (int i = 0; i < 3; ++i) {
    bool found = false;
    InRecording window = inRecording(plays[i]);
    for (size_t at = window.first; at <= window.last && !found; at += kBufferFrames) {
      found = true;
      for (size_t f = at; f < at + 64 && found; ++f) {
        int rest = sound[2 * f];
        for (int j = 0; j < i; ++j) rest -= clip[2 * (f - starts[j])];
        found = std::abs(rest - clip[2 * (f - at)]) <= i;
      }
      if (found) starts[i] = at;
    }
    ASSERT_TRUE(found) << "play " << i << " starts in the buffer after its call, between frames "
                       << window.first << " and " << window.last << " of the recording";
  }
  ASSERT_GT(starts[0] + clipFrames, starts[2]) << "the three plays fall within one clip";
  // From the third play to the end of the first, the three sound together: the recording is their
  // sum (to the rounding of each addition), not the last one alone or two of them.
  int worst = 0;
  for (size_t f = starts[2]; f < starts[0] + clipFrames; ++f)
    for (int c = 0; c < 2; ++c) {
      int sum = 0;
      for (size_t s : starts) sum += clip[2 * (f - s) + c];
      worst = std::max(worst, std::abs(sound[2 * f + c] - sum));
    }
  EXPECT_LE(worst, 2) << "the recording is the sum of the three plays";
  std::printf("plays at %.1f, %.1f, %.1f ms of sound; largest difference from their sum %d\n",
              starts[0] / kRate * 1000, starts[1] / kRate * 1000, starts[2] / kRate * 1000, worst);
}

TEST_F(RecordedAudio, TrackThatEndsIsRestartedWithAtMostOneTickOfSilence) {
  testing_support::WriteToneWav(dir.File("loop.wav"), 0.3, 440, 0.3);
  // Each restart, and the clock at the tick before it (which still found the track playing).
  struct Restart {
    Started call;
    size_t previousTick = 0;
  };
  std::vector<Restart> restarts;
  Started first;
  {
    MusicPlayer music(host->audio());
    ASSERT_TRUE(music.OpenMusic(GamePathOf(dir.File("loop.wav"))));
    // The music's calls set what the mixer reads without taking its lock, so a buffer already
    // under way may go out without the change: it shows one buffer later than an effect would.
    first = Timed([&] { music.StartMusic(); });
    first.after += kBufferFrames;
    const size_t start = first.after;
    size_t previousTick = start;
    // The game's looping rule, once per 60th of a second of sound.
    for (size_t tick = 1; tick <= 75; ++tick) {
      ASSERT_TRUE(WaitUntilMixed(start + tick * kFramesPerTick));
      size_t now = mixed();
      if (music.MusicFinished()) {
        Started call = Timed([&] {
          music.SeekMusic(0);
          music.StartMusic();
        });
        call.after += kBufferFrames;
        restarts.push_back({call, previousTick});
      }
      previousTick = now;
    }
    music.StopMusic();
  }
  std::vector<int16_t> sound = Recorded();
  ASSERT_GE(restarts.size(), 3u);
  auto inRecording = Calibrate(sound, first);
  auto gaps = testing_support::SilentGaps(sound);
  // Every restart ends a silence that began no earlier than the tick before it, which still found
  // the track playing: the end is seen by the first tick after it, and the track sounds again from
  // the next buffer. With ticks on time that is at most a tick and a buffer.
  double longest = 0;
  for (const Restart& r : restarts) {
    InRecording restart = inRecording(r.call);
    auto gap = std::find_if(gaps.begin(), gaps.end(), [&](const std::pair<size_t, size_t>& g) {
      size_t end = g.first + g.second;
      return end >= restart.first && end <= restart.last;
    });
    ASSERT_NE(gap, gaps.end()) << "a silence that ends at the restart near frame " << restart.first;
    double ms = gap->second / kRate * 1000;
    longest = std::max(longest, ms);
    size_t previousTick = inRecording({r.previousTick, r.previousTick}).first;
    EXPECT_GE(gap->first, previousTick)
        << "the silence began after the last tick that found the track playing";
    size_t tickFrames = std::max(r.call.after - r.previousTick, kFramesPerTick);
    EXPECT_LE(gap->second, tickFrames + kBufferFrames)
        << "silence of " << ms << " ms: more than the ticks between end and restart and a buffer";
  }
  std::printf("loop restarts: %zu, longest silence %.1f ms (a tick is %.1f ms, a buffer %.1f ms)\n",
              restarts.size(), longest, kTickMs, kMixerBufferMs);
}

// The shooter's track as the game's decoder gives it back: long enough for a stage, gapless
// (the encoder's delay and padding are gone), and its last sample flows into its first.
TEST(MusicTrack, IsLongAndItsEndFlowsIntoItsStart) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
  ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0);
  const std::string track = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/Files/Quillet Remix.mp3";
  Mix_Chunk* chunk = Mix_LoadWAV(track.c_str());
  ASSERT_NE(chunk, nullptr) << track;
  const auto* s = reinterpret_cast<const int16_t*>(chunk->abuf);
  size_t frames = chunk->alen / 4;
  EXPECT_GE(frames / kRate, 90.0);
  EXPECT_TRUE(s[0] != 0 || s[1] != 0 || s[2] != 0 || s[3] != 0) << "no silence of the encoder's at the start";
  for (int c = 0; c < 2; ++c) {
    double steps = 0;
    for (size_t i = frames - 1000; i < frames; ++i) steps += std::abs(s[2 * i + c] - s[2 * (i - 1) + c]);
    double seam = std::abs(s[c] - s[2 * (frames - 1) + c]);
    EXPECT_LT(seam, 3 * steps / 1000) << "channel " << c << ": a step at the loop point";
  }
  Mix_FreeChunk(chunk);
  Mix_CloseAudio();
  SDL_Quit();
}

TEST(NoAudioDevice, EverythingIsQuietlyRefused) {
  TempDir dir;
  testing_support::WriteToneWav(dir.File("a.wav"), 0.1, 440, 0.5);
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  auto host = platform::CreateSdlHost();
  EXPECT_FALSE(host->audio().available());
  MusicPlayer music(host->audio());
  EXPECT_FALSE(music.OpenMusic(GamePathOf(dir.File("a.wav"))));
  EXPECT_TRUE(music.MusicFinished());
  SoundPlayer player(host->audio());
  SoundEffect effect(host->audio(), GamePathOf(dir.File("a.wav")));
  EXPECT_FALSE(effect.loaded());
  player.PlayEffect(effect);
}

TEST(BadSoundFiles, AreRefused) {
  TempDir dir;
  testing_support::WriteFile(dir.File("bad.wav"), "RIFF....WAVEfmt nonsense");
  testing_support::WriteFile(dir.File("bad.mp3"), std::string(4000, '\x55'));
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  auto host = platform::CreateSdlHost();
  ASSERT_TRUE(host->audio().available());
  MusicPlayer music(host->audio());
  EXPECT_FALSE(music.OpenMusic(GamePathOf(dir.File("bad.mp3"))));
  EXPECT_FALSE(music.OpenMusic(GamePathOf(dir.File("none.mp3"))));
  SoundEffect effect(host->audio(), GamePathOf(dir.File("bad.wav")));
  EXPECT_FALSE(effect.loaded());
  testing_support::MakeFolder(dir.File("folder.mp3"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.wav"));
  EXPECT_FALSE(music.OpenMusic(GamePathOf(dir.File("folder.mp3"))));
  EXPECT_FALSE(music.OpenMusic(GamePathOf(dir.File("unreadable.wav"))));
  EXPECT_FALSE(SoundEffect(host->audio(), GamePathOf(dir.File("folder.mp3"))).loaded());
  EXPECT_FALSE(SoundEffect(host->audio(), GamePathOf(dir.File("unreadable.wav"))).loaded());
  testing_support::WriteToneWav(dir.File("good.wav"), 0.1, 440, 0.5);
  EXPECT_TRUE(SoundEffect(host->audio(), GamePathOf(dir.File("good.wav"))).loaded())
      << "a sound read from memory decodes as from its file";
  EXPECT_TRUE(music.OpenMusic(GamePathOf(dir.File("good.wav"))));
}

}  // namespace
