#include "platform/headless/headless_audio.h"

#include <algorithm>
#include <sys/stat.h>

namespace platform {
namespace {

bool NonEmptyFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

}  // namespace

// A clip counts its plays in its file's entry of the audio's table (map entries stay put).
class HeadlessAudio::HeadlessClip : public SoundClip {
 public:
  explicit HeadlessClip(Plays& plays) : plays_(plays) {}
  double seconds() const override { return 1.0; }
  Plays& plays() const { return plays_; }

 private:
  Plays& plays_;
};

void HeadlessAudio::Note(const std::string& what, const std::string& path, double v, double v2) {
  if (recordCalls_) calls_.push_back({clock_.nowMilliseconds(), what, path, v, v2});
}

int HeadlessAudio::plays(const std::string& hostPath) const {
  auto it = plays_.find(hostPath);
  return it == plays_.end() ? 0 : it->second.count;
}

double HeadlessAudio::lastPlayMilliseconds(const std::string& hostPath) const {
  auto it = plays_.find(hostPath);
  return it == plays_.end() ? -1 : it->second.lastMilliseconds;
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
  return std::make_unique<HeadlessClip>(plays_[hostPath]);
}

void HeadlessAudio::PlaySound(const SoundClip& clip) {
  Plays& plays = static_cast<const HeadlessClip&>(clip).plays();
  ++plays.count;
  plays.lastMilliseconds = clock_.nowMilliseconds();
  ++totalPlays_;
}

}  // namespace platform
