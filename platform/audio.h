#pragma once
#include <memory>
#include <string>

namespace platform {

// A sound effect decoded into memory, ready to be played any number of times.
class SoundClip {
 public:
  virtual ~SoundClip() = default;
  virtual double seconds() const = 0;
};

// Music and sound effects. One music track at a time, streamed from a file and started,
// stopped, moved and turned up or down by the game; any number of effects mixed over it and
// over each other. Without an audio device everything still answers and nothing sounds.
class Audio {
 public:
  virtual ~Audio() = default;

  // Whether there is a device that plays.
  virtual bool available() = 0;

  // Opens a track (mp3, ogg, wav, ...), replacing the one open; false when the file is missing
  // or cannot be decoded. The track starts stopped at its beginning.
  virtual bool OpenMusic(const std::string& hostPath) = 0;
  virtual void CloseMusic() = 0;
  // Plays from the current position; a track that had reached its end stays there.
  virtual void PlayMusic() = 0;
  // Stops where it is.
  virtual void StopMusic() = 0;
  // Moves the position (clamped to the track) and clears the end.
  virtual void SeekMusic(double seconds) = 0;
  // True once the track has played up to its end, until the next seek.
  virtual bool MusicEnded() = 0;
  // Linear amplitude, 0 silent to 1 as recorded.
  virtual void SetMusicVolume(float amplitude) = 0;
  // Linear amplitude of the left and right channels (1, 1 is centred).
  virtual void SetMusicBalance(float left, float right) = 0;

  // A decoded effect, or null when the file is missing or not a sound.
  virtual std::unique_ptr<SoundClip> LoadSound(const std::string& hostPath) = 0;
  // Starts a new instance of the effect at once, mixed over everything that sounds.
  virtual void PlaySound(const SoundClip& clip) = 0;
};

}  // namespace platform
