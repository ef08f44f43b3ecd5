// The music player's rules on the headless audio: the volume scale, what works without a
// track, stopping and the looping rule.
#include "pelbrix/music_player.h"

#include <gtest/gtest.h>

#include "pelbrix/sound_player.h"
#include "platform/game_path.h"
#include "platform/headless/headless_host.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::TempDir;

TEST(VolumeScale, HundredthsOfADecibel) {
  EXPECT_EQ(VolumeToAttenuation(0.5f), -301);
  EXPECT_EQ(VolumeToAttenuation(0.1f), -1000);
  EXPECT_EQ(VolumeToAttenuation(0.0f), -10000);
  EXPECT_EQ(VolumeToAttenuation(-3.0f), -10000);
  EXPECT_EQ(VolumeToAttenuation(1.0f), 0);
  EXPECT_EQ(VolumeToAttenuation(7.0f), 0);
  EXPECT_EQ(VolumeToAttenuation(0.00001f), -5000);
  EXPECT_EQ(BalanceToAttenuation(0.25f), 2500);
  EXPECT_EQ(BalanceToAttenuation(-2.0f), -10000);
}

TEST(VolumeScale, AttenuationBecomesTheMixersAmplitude) {
  EXPECT_FLOAT_EQ(AttenuationToAmplitude(0), 1.0f);
  EXPECT_NEAR(AttenuationToAmplitude(-301), 0.7071f, 1e-4f);  // -3 dB
  EXPECT_NEAR(AttenuationToAmplitude(-2000), 0.1f, 1e-6f);    // -20 dB
  EXPECT_EQ(AttenuationToAmplitude(-10000), 0.0f);
}

class Music : public ::testing::Test {
 protected:
  Music() {
    testing_support::WriteFile(dir.File("track.mp3"), "stands in for a track");
    track = *platform::GamePath(dir.File("track.mp3"));
  }
  platform::HeadlessAudio& audio() { return host.headlessAudio(); }

  TempDir dir;
  std::string track;
  platform::HeadlessHost host;
  MusicPlayer music{host.audio()};
};

TEST_F(Music, WithoutATrackNothingHappensAndItCountsAsFinished) {
  EXPECT_TRUE(music.MusicFinished());
  music.SetMusicVolume(0.2f);
  music.StartMusic();
  music.SeekMusic(3);
  EXPECT_TRUE(audio().calls().empty());
  ASSERT_TRUE(music.OpenMusic(track));
  EXPECT_FLOAT_EQ(music.volume(), 1.0f) << "opening sets full volume anyway";
  EXPECT_EQ(music.attenuation(), 0);
  EXPECT_FALSE(music.MusicFinished()) << "open and stopped is not finished";
}

TEST_F(Music, MissingFileIsRefusedAndTheGameGoesOnInSilence) {
  EXPECT_FALSE(music.OpenMusic(*platform::GamePath(dir.File("none.mp3"))));
  EXPECT_TRUE(music.MusicFinished());
  music.StartMusic();
  EXPECT_FALSE(audio().musicPlaying());
}

TEST_F(Music, VolumeIsLimitedAndGoesToTheMixerAsAmplitude) {
  ASSERT_TRUE(music.OpenMusic(track));
  music.SetMusicVolume(0.5f);
  EXPECT_EQ(music.attenuation(), -301);
  EXPECT_NEAR(audio().musicVolume(), 0.7071f, 1e-4f);
  music.SetMusicVolume(1.5f);
  EXPECT_FLOAT_EQ(music.volume(), 1.0f);
  music.SetMusicVolume(-1);
  EXPECT_FLOAT_EQ(music.volume(), 0.0f);
  EXPECT_EQ(audio().musicVolume(), 0.0f);
}

TEST_F(Music, StopRewindsToTheStart) {
  ASSERT_TRUE(music.OpenMusic(track));
  music.StartMusic();
  host.virtualClock().Advance(5000000);
  EXPECT_NEAR(audio().musicPosition(), 5.0, 0.01);
  music.StopMusic();
  EXPECT_FALSE(audio().musicPlaying());
  EXPECT_EQ(audio().musicPosition(), 0.0);
}

TEST_F(Music, FinishedTrackIsRestartedFromTheStartByTheLoopingRule) {
  host.headlessAudio().setTrackSeconds(2.0);
  ASSERT_TRUE(music.OpenMusic(track));
  music.StartMusic();
  int restarts = 0;
  // The game's tick: a finished track is sought to 0 and started again.
  for (int tick = 0; tick < 60 * 5; ++tick) {
    if (music.MusicFinished()) {
      music.SeekMusic(0);
      music.StartMusic();
      ++restarts;
      EXPECT_FALSE(music.MusicFinished());
    }
    host.virtualClock().Advance(16667);
  }
  EXPECT_EQ(restarts, 2);
  EXPECT_TRUE(audio().musicPlaying());
}

TEST(SoundEffects, MissingFilesHaveNoSoundAndPlayNothing) {
  TempDir dir;
  testing_support::WriteFile(dir.File("boom.wav"), "stands in for a sound");
  platform::HeadlessHost host;
  SoundPlayer player(host.audio());
  SoundEffect boom(host.audio(), *platform::GamePath(dir.File("boom.wav")));
  SoundEffect none(host.audio(), *platform::GamePath(dir.File("none.wav")));
  EXPECT_TRUE(boom.loaded());
  EXPECT_FALSE(none.loaded());
  player.PrepareEffect(none);
  player.PlayEffect(none);
  player.PlayEffect(boom);
  player.PlayEffect(boom);
  EXPECT_EQ(host.headlessAudio().plays(dir.File("boom.wav")), 2);
  EXPECT_EQ(host.headlessAudio().totalPlays(), 2);
}

}  // namespace
