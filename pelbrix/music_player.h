#pragma once
#include <string>

#include "platform/audio.h"

// Volume and balance on the attenuation scale the music player speaks, in hundredths of a
// decibel: a linear volume v becomes 1000 * log10(v) (10 * log10(v) dB), truncated toward zero
// and limited to -10000 (silence) .. 0; a balance b in -1 .. 1 becomes b * 10000, limited to
// -10000 .. 10000 (positive attenuates the left channel, negative the right).
int VolumeToAttenuation(float volume);
int BalanceToAttenuation(float balance);
// The amplitude the mixer plays at for an attenuation: 10^(hundredths / 2000); 0 at -10000.
float AttenuationToAmplitude(int hundredthsOfDecibel);

// One piece of background music at a time, from an mp3 file.
class MusicPlayer {
 public:
  explicit MusicPlayer(platform::Audio& audio) : audio_(audio) {}
  ~MusicPlayer() { CloseMusic(); }

  // Closes the track that is open, opens this one (a game path) stopped at its start, at full
  // volume and centred. False when the file cannot be played; the game goes on in silence.
  bool OpenMusic(const std::string& path);
  void StartMusic();
  // Stops and rewinds to the start.
  void StopMusic();
  // True when the track has played to its end, or when no track is open.
  bool MusicFinished();
  void SeekMusic(float seconds);
  // 0 .. 1 (limited to that); nothing happens without an open track.
  void SetMusicVolume(float volume);
  void SetMusicBalance(float balance);
  void CloseMusic();

  bool open() const { return open_; }
  float volume() const { return volume_; }  // the last value set while a track was open
  int attenuation() const { return attenuation_; }

 private:
  platform::Audio& audio_;
  bool open_ = false;
  float volume_ = 0;
  int attenuation_ = 0;
};
