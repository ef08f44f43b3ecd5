#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/headless/virtual_clock.h"

namespace platform {

// One call a game made on the headless audio, at a virtual time.
struct AudioCall {
  double milliseconds = 0;
  std::string what;  // "OpenMusic", "PlayMusic", "StopMusic", "SeekMusic", "SetMusicVolume",
                     // "SetMusicBalance", "CloseMusic", "LoadSound"
  std::string path;  // OpenMusic, LoadSound
  double value = 0;  // SeekMusic seconds, SetMusicVolume amplitude, SetMusicBalance left
  double value2 = 0; // SetMusicBalance right
};

// Audio that records the game's calls and keeps the music's position on the virtual clock: a
// track of trackSeconds plays to its end in that much virtual time. Files are accepted when they
// exist and are not empty. Effects are played many times a frame and must not allocate, so their
// plays are not logged but counted, in storage made when the clip is loaded. The log of the other
// calls can be turned off (recordCalls) where a test counts allocations.
class HeadlessAudio : public Audio {
 public:
  HeadlessAudio(VirtualClock& clock, bool available, double trackSeconds, bool recordCalls = true)
      : clock_(clock), available_(available), trackSeconds_(trackSeconds),
        recordCalls_(recordCalls) {}

  bool available() override { return available_; }
  bool OpenMusic(const std::string& hostPath) override;
  void CloseMusic() override;
  void PlayMusic() override;
  void StopMusic() override;
  void SeekMusic(double seconds) override;
  bool MusicEnded() override;
  void SetMusicVolume(float amplitude) override;
  void SetMusicBalance(float left, float right) override;
  std::unique_ptr<SoundClip> LoadSound(const std::string& hostPath) override;
  void PlaySound(const SoundClip& clip) override;

  const std::vector<AudioCall>& calls() const { return calls_; }
  void setTrackSeconds(double seconds) { trackSeconds_ = seconds; }
  double musicPosition();  // seconds
  bool musicPlaying() const { return playing_; }
  float musicVolume() const { return volume_; }
  std::vector<AudioCall> Calls(const std::string& what) const;
  // How often the effects loaded from this file have been played, and when last (virtual
  // milliseconds; -1 before the first play).
  int plays(const std::string& hostPath) const;
  double lastPlayMilliseconds(const std::string& hostPath) const;
  int totalPlays() const { return totalPlays_; }

 private:
  class HeadlessClip;
  void Note(const std::string& what, const std::string& path = {}, double v = 0, double v2 = 0);
  void Advance();

  VirtualClock& clock_;
  bool available_;
  double trackSeconds_;
  bool open_ = false;
  bool playing_ = false;
  bool ended_ = false;
  double position_ = 0;
  double lastMicros_ = 0;
  float volume_ = 1;
  bool recordCalls_;
  std::vector<AudioCall> calls_;
  struct Plays {
    int count = 0;
    double lastMilliseconds = -1;
  };
  std::map<std::string, Plays> plays_;  // by file; a clip keeps a reference to its entry
  int totalPlays_ = 0;
};

}  // namespace platform
