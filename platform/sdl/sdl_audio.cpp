#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>

#include "platform/file_read.h"

namespace platform {
namespace {

constexpr int kFrequency = 44100;
constexpr int kBufferFrames = 512;  // about 12 ms: the latency of a new effect
constexpr int kInitialChannels = 16;

// A sound file decoded whole into the device's format; null when it cannot be read (missing, a
// folder, a read error) or is no sound.
Mix_Chunk* LoadChunk(const std::string& hostPath) {
  std::string bytes;
  if (!ReadWholeFile(hostPath, bytes)) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

class SdlClip : public SoundClip {
 public:
  SdlClip(Mix_Chunk* chunk, double seconds) : chunk_(chunk), seconds_(seconds) {}
  ~SdlClip() override { Mix_FreeChunk(chunk_); }
  double seconds() const override { return seconds_; }
  Mix_Chunk* chunk() const { return chunk_; }

 private:
  Mix_Chunk* chunk_;
  double seconds_;
};

// The music track, decoded into memory in the device's format and mixed by our own hook, so
// that its position, its end, its volume and its balance are exact to the sample. The audio
// thread reads it while the game thread changes it; plain atomics are enough, and the track
// itself is only replaced with the hook removed.
struct MusicTrack {
  Mix_Chunk* chunk = nullptr;
  size_t frames = 0;
  std::atomic<size_t> position{0};
  std::atomic<bool> playing{false};
  std::atomic<bool> ended{false};
  std::atomic<float> volume{1.0f};
  std::atomic<float> left{1.0f};
  std::atomic<float> right{1.0f};
  int channels = 2;
};

void MixMusic(void* userData, Uint8* stream, int length) {
  auto* track = static_cast<MusicTrack*>(userData);
  std::memset(stream, 0, size_t(length));
  if (!track->chunk || !track->playing) return;
  const int channels = track->channels;
  auto* out = reinterpret_cast<Sint16*>(stream);
  const auto* in = reinterpret_cast<const Sint16*>(track->chunk->abuf);
  size_t wanted = size_t(length) / (sizeof(Sint16) * channels);
  size_t at = track->position;
  size_t count = std::min(wanted, track->frames - std::min(at, track->frames));
  float volume = track->volume, left = track->left * volume, right = track->right * volume;
  for (size_t f = 0; f < count; ++f)
    for (int c = 0; c < channels; ++c) {
      float gain = c == 0 ? left : c == 1 ? right : volume;
      float v = in[(at + f) * channels + c] * gain;
      out[f * channels + c] = Sint16(std::clamp(v, -32768.0f, 32767.0f));
    }
  track->position = at + count;
  if (at + count >= track->frames) {
    track->playing = false;
    track->ended = true;
  }
}

class SdlAudio : public Audio {
 public:
  ~SdlAudio() override {
    if (!opened_) return;
    Mix_HookMusic(nullptr, nullptr);
    if (track_.chunk) Mix_FreeChunk(track_.chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool available() override { return Open(); }

  bool OpenMusic(const std::string& hostPath) override {
    CloseMusic();
    if (!Open()) return false;
    Mix_Chunk* chunk = LoadChunk(hostPath);
    if (!chunk) return false;
    Mix_HookMusic(nullptr, nullptr);
    track_.chunk = chunk;
    track_.frames = chunk->alen / (sizeof(Sint16) * size_t(channels_));
    track_.channels = channels_;
    track_.position = 0;
    track_.playing = false;
    track_.ended = false;
    Mix_HookMusic(MixMusic, &track_);
    return true;
  }

  void CloseMusic() override {
    if (!opened_ || !track_.chunk) return;
    Mix_HookMusic(nullptr, nullptr);  // waits for the audio thread to leave the hook
    Mix_FreeChunk(track_.chunk);
    track_.chunk = nullptr;
    track_.frames = 0;
    track_.playing = false;
    track_.ended = false;
  }

  void PlayMusic() override {
    if (track_.chunk && !track_.ended) track_.playing = true;
  }
  void StopMusic() override { track_.playing = false; }

  void SeekMusic(double seconds) override {
    if (!track_.chunk) return;
    double frame = std::max(0.0, seconds) * frequency_;
    track_.position = std::min(track_.frames, size_t(frame));
    track_.ended = false;
  }

  bool MusicEnded() override { return track_.chunk && track_.ended; }

  void SetMusicVolume(float amplitude) override { track_.volume = std::clamp(amplitude, 0.0f, 1.0f); }
  void SetMusicBalance(float left, float right) override {
    track_.left = std::clamp(left, 0.0f, 1.0f);
    track_.right = std::clamp(right, 0.0f, 1.0f);
  }

  std::unique_ptr<SoundClip> LoadSound(const std::string& hostPath) override {
    if (!Open()) return nullptr;
    Mix_Chunk* chunk = LoadChunk(hostPath);
    if (!chunk) return nullptr;
    double seconds = double(chunk->alen) / (sizeof(Sint16) * channels_ * frequency_);
    return std::make_unique<SdlClip>(chunk, seconds);
  }

  void PlaySound(const SoundClip& clip) override {
    if (!opened_) return;
    Mix_Chunk* chunk = static_cast<const SdlClip&>(clip).chunk();
    if (Mix_PlayChannel(-1, chunk, 0) >= 0) return;
    // Every channel is busy: make room, so any number of effects can sound at once.
    Mix_AllocateChannels(Mix_AllocateChannels(-1) * 2);
    Mix_PlayChannel(-1, chunk, 0);
  }

 private:
  bool Open() {
    if (opened_ || failed_) return opened_;
    failed_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Uint16 format = 0;
    Mix_QuerySpec(&frequency_, &format, &channels_);
    if (format != AUDIO_S16SYS) {  // our music hook mixes 16-bit samples only
      Mix_CloseAudio();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Mix_AllocateChannels(kInitialChannels);
    opened_ = true;
    failed_ = false;
    return true;
  }

  bool opened_ = false;
  bool failed_ = false;
  int frequency_ = kFrequency;
  int channels_ = 2;
  MusicTrack track_;
};

}  // namespace

std::unique_ptr<Audio> CreateSdlAudio() { return std::make_unique<SdlAudio>(); }

}  // namespace platform
