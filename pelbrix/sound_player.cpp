#include "pelbrix/sound_player.h"

#include "platform/game_path.h"

SoundEffect::SoundEffect(platform::Audio& audio, const std::string& path)
    : clip_(audio.LoadSound(platform::HostPath(path))) {}

void SoundPlayer::PlayEffect(const SoundEffect& effect) {
  if (effect.clip()) audio_.PlaySound(*effect.clip());
}
