#include "pelbrix/music_player.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/game_path.h"

namespace {
constexpr int kSilence = -10000;
}

int VolumeToAttenuation(float volume) {
  if (volume <= 0) return kSilence;
  // In single precision, as the player always computed it: 0.1 gives exactly -1000.
  float hundredths = 1000.0f * std::log10(volume);
  return std::clamp(int(hundredths), kSilence, 0);
}

int BalanceToAttenuation(float balance) {
  return std::clamp(int(balance * 10000.0f), -10000, 10000);
}

float AttenuationToAmplitude(int hundredthsOfDecibel) {
  if (hundredthsOfDecibel <= kSilence) return 0;
  return float(std::pow(10.0, hundredthsOfDecibel / 2000.0));
}

bool MusicPlayer::OpenMusic(const std::string& path) {
  CloseMusic();
  if (!audio_.OpenMusic(platform::HostPath(path))) return false;
  open_ = true;
  SetMusicVolume(1.0f);
  SetMusicBalance(0.0f);
  return true;
}

void MusicPlayer::StartMusic() {
  if (open_) audio_.PlayMusic();
}

void MusicPlayer::StopMusic() {
  if (!open_) return;
  audio_.StopMusic();
  SeekMusic(0.0f);
}

bool MusicPlayer::MusicFinished() { return !open_ || audio_.MusicEnded(); }

void MusicPlayer::SeekMusic(float seconds) {
  if (!open_) return;
  // Positions are whole units of 100 ns.
  auto units = int64_t(double(seconds) * 10000000.0);
  audio_.SeekMusic(double(units) / 10000000.0);
}

void MusicPlayer::SetMusicVolume(float volume) {
  if (!open_) return;
  volume_ = std::clamp(volume, 0.0f, 1.0f);
  attenuation_ = VolumeToAttenuation(volume_);
  audio_.SetMusicVolume(AttenuationToAmplitude(attenuation_));
}

void MusicPlayer::SetMusicBalance(float balance) {
  if (!open_) return;
  int b = BalanceToAttenuation(balance);
  float left = b > 0 ? AttenuationToAmplitude(-b) : 1.0f;
  float right = b < 0 ? AttenuationToAmplitude(b) : 1.0f;
  audio_.SetMusicBalance(left, right);
}

void MusicPlayer::CloseMusic() {
  if (!open_) return;
  audio_.CloseMusic();
  open_ = false;
}
