// Music and effects through SDL2_mixer, recorded by SDL's disk audio driver: what a player
// would hear.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>

#include "pelbrix/music_player.h"
#include "pelbrix/sound_player.h"
#include "platform/game_path.h"
#include "platform/sdl/sdl_host.h"
#include "tests/support/sound.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::TempDir;

constexpr double kRate = 44100;
constexpr double kTickMs = 1000.0 / 60;
constexpr double kMixerBufferMs = 512 / kRate * 1000;

std::string GamePathOf(const std::string& hostPath) { return *platform::GamePath(hostPath); }

// An SDL host whose sound goes to a raw file instead of a device.
class RecordedAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
    host = platform::CreateSdlHost();
    ASSERT_TRUE(host->audio().available()) << SDL_GetError();
  }
  // Closes the device, so that everything played is in the file.
  std::vector<int16_t> Recorded() {
    host.reset();
    return testing_support::ReadRawStereo(output());
  }
  std::string output() const { return dir.File("out.raw"); }

  TempDir dir;
  std::unique_ptr<platform::Host> host;
};

TEST_F(RecordedAudio, ThreeQuickPlaysOfOneEffectSoundOverEachOther) {
  // A second long: the three plays overlap however late the test is scheduled.
  testing_support::WriteBurstWav(dir.File("hit.wav"), 1.0, 0.3);
  {
    SoundPlayer player(host->audio());
    SoundEffect hit(host->audio(), GamePathOf(dir.File("hit.wav")));
    ASSERT_TRUE(hit.loaded());
    player.PrepareEffect(hit);
    for (int i = 0; i < 3; ++i) {
      player.PlayEffect(hit);
      SDL_Delay(100);
    }
    SDL_Delay(1100);
  }
  std::vector<int16_t> sound = Recorded();
  auto onsets = testing_support::Onsets(sound, 441, 0.04);
  ASSERT_EQ(onsets.size(), 3u) << "one onset for each play";
  EXPECT_NEAR((onsets[2] - onsets[0]) / kRate, 0.2, 0.03);
  // Each level is taken 60 ms after a play began, when its strike has decayed: the first alone,
  // then the first, second and third together.
  auto level = [&](size_t from) {
    double sum = 0;
    for (size_t f = from; f < from + 441 * 4; ++f) sum += std::pow(sound[2 * f] / 32768.0, 2);
    return std::sqrt(sum / (441 * 4));
  };
  double one = level(onsets[0] + 441 * 6);
  double three = level(onsets[2] + 441 * 6);
  EXPECT_GT(three, one * 1.5) << "the plays overlap";
}

TEST_F(RecordedAudio, TrackThatEndsIsRestartedWithAtMostOneTickOfSilence) {
  testing_support::WriteToneWav(dir.File("loop.wav"), 0.3, 440, 0.3);
  int restarts = 0;
  {
    MusicPlayer music(host->audio());
    ASSERT_TRUE(music.OpenMusic(GamePathOf(dir.File("loop.wav"))));
    music.StartMusic();
    Uint64 start = SDL_GetPerformanceCounter();
    double frequency = double(SDL_GetPerformanceFrequency());
    // The game's looping rule, once per 60th of a second.
    for (int tick = 1; tick <= 75; ++tick) {
      if (music.MusicFinished()) {
        music.SeekMusic(0);
        music.StartMusic();
        ++restarts;
      }
      double due = tick * kTickMs / 1000 * frequency;
      while (double(SDL_GetPerformanceCounter() - start) < due) SDL_Delay(1);
    }
    music.StopMusic();
  }
  std::vector<int16_t> sound = Recorded();
  EXPECT_GE(restarts, 3);
  auto gaps = testing_support::SilentGaps(sound);
  ASSERT_GE(gaps.size(), 3u);
  double longest = 0;
  for (auto [at, frames] : gaps) longest = std::max(longest, frames / kRate * 1000);
  // The silence is the wait for the next tick plus the mixer's buffer it lands in.
  EXPECT_LE(longest, kTickMs + kMixerBufferMs + 4) << "longest silence " << longest << " ms";
  std::printf("loop restarts: %d, longest silence %.1f ms\n", restarts, longest);
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
}

}  // namespace
