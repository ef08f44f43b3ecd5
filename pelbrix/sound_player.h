#pragma once
#include <memory>
#include <string>

#include "platform/audio.h"

// A short sound read from a wav file; it has no sound when the file could not be read.
class SoundEffect {
 public:
  SoundEffect(platform::Audio& audio, const std::string& path);  // path: a game path
  bool loaded() const { return clip_ != nullptr; }
  const platform::SoundClip* clip() const { return clip_.get(); }

 private:
  std::unique_ptr<platform::SoundClip> clip_;
};

// Plays effects: every play starts a new instance, mixed over any that still sound.
class SoundPlayer {
 public:
  explicit SoundPlayer(platform::Audio& audio) : audio_(audio) {}
  // Makes the effect ready to play. The mixer needs nothing more: the sound was decoded when
  // it was loaded.
  void PrepareEffect(const SoundEffect&) {}
  void PlayEffect(const SoundEffect& effect);

 private:
  platform::Audio& audio_;
};
