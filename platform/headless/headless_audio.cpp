#include "platform/headless/headless_audio.h"

#include <algorithm>
#include <sys/stat.h>

namespace platform {
namespace {

bool NonEmptyFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

class HeadlessClip : public SoundClip {
 public:
  explicit HeadlessClip(std::string path) : path_(std::move(path)) {}
  double seconds() const override { return 1.0; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

void HeadlessAudio::Note(const std::string& what, const std::string& path, double v, double v2) {
  calls_.push_back({clock_.nowMilliseconds(), what, path, v, v2});
}

std::vector<AudioCall> HeadlessAudio::Calls(const std::string& what) const {
  std::vector<AudioCall> found;
  for (const AudioCall& c : calls_)
    if (c.what == what) found.push_back(c);
  return found;
}

void HeadlessAudio::Advance() {
  double now = double(clock_.nowMicros());
  if (playing_) {
    position_ += (now - lastMicros_) / 1e6;
    if (position_ >= trackSeconds_) {
      position_ = trackSeconds_;
      playing_ = false;
      ended_ = true;
    }
  }
  lastMicros_ = now;
}

double HeadlessAudio::musicPosition() {
  Advance();
  return position_;
}

bool HeadlessAudio::OpenMusic(const std::string& hostPath) {
  Note("OpenMusic", hostPath);
  open_ = available_ && NonEmptyFile(hostPath);
  playing_ = ended_ = false;
  position_ = 0;
  return open_;
}

void HeadlessAudio::CloseMusic() {
  Note("CloseMusic");
  open_ = playing_ = ended_ = false;
}

void HeadlessAudio::PlayMusic() {
  Advance();
  Note("PlayMusic");
  if (open_ && !ended_) playing_ = true;
}

void HeadlessAudio::StopMusic() {
  Advance();
  Note("StopMusic");
  playing_ = false;
}

void HeadlessAudio::SeekMusic(double seconds) {
  Advance();
  Note("SeekMusic", {}, seconds);
  if (!open_) return;
  position_ = std::clamp(seconds, 0.0, trackSeconds_);
  ended_ = false;
}

bool HeadlessAudio::MusicEnded() {
  Advance();
  return open_ && ended_;
}

void HeadlessAudio::SetMusicVolume(float amplitude) {
  Note("SetMusicVolume", {}, amplitude);
  volume_ = amplitude;
}

void HeadlessAudio::SetMusicBalance(float left, float right) {
  Note("SetMusicBalance", {}, left, right);
}

std::unique_ptr<SoundClip> HeadlessAudio::LoadSound(const std::string& hostPath) {
  Note("LoadSound", hostPath);
  if (!available_ || !NonEmptyFile(hostPath)) return nullptr;
  return std::make_unique<HeadlessClip>(hostPath);
}

void HeadlessAudio::PlaySound(const SoundClip& clip) {
  Note("PlaySound", static_cast<const HeadlessClip&>(clip).path());
}

}  // namespace platform
