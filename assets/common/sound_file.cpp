#include "assets/common/sound_file.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace assets {
namespace {

int16_t ToPcm(float v) {
  return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

void Put16(std::FILE* f, uint16_t v) {
  std::fputc(v & 255, f);
  std::fputc(v >> 8, f);
}
void Put32(std::FILE* f, uint32_t v) {
  Put16(f, uint16_t(v & 0xFFFF));
  Put16(f, uint16_t(v >> 16));
}

}  // namespace

bool WriteWav(const std::string& path, const Sound& sound) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  uint32_t dataBytes = uint32_t(sound.samples.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  Put32(f, 36 + dataBytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  Put32(f, 16);
  Put16(f, 1);  // PCM
  Put16(f, uint16_t(sound.channels));
  Put32(f, uint32_t(sound.sampleRate));
  Put32(f, uint32_t(sound.sampleRate * sound.channels * 2));
  Put16(f, uint16_t(sound.channels * 2));
  Put16(f, 16);
  std::fwrite("data", 1, 4, f);
  Put32(f, dataBytes);
  for (float s : sound.samples) Put16(f, uint16_t(ToPcm(s)));
  return std::fclose(f) == 0;
}

bool WriteMp3(const std::string& path, const Sound& sound, int kilobitsPerSecond) {
  if (sound.channels != 1 && sound.channels != 2) return false;
  lame_global_flags* lame = lame_init();
  if (!lame) return false;
  lame_set_in_samplerate(lame, sound.sampleRate);
  lame_set_out_samplerate(lame, sound.sampleRate);
  lame_set_num_channels(lame, sound.channels);
  lame_set_mode(lame, sound.channels == 2 ? JOINT_STEREO : MONO);
  lame_set_brate(lame, kilobitsPerSecond);
  lame_set_quality(lame, 2);
  lame_set_bWriteVbrTag(lame, 1);  // the info tag that tells decoders the delay and padding
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return false;
  }
  std::FILE* f = std::fopen(path.c_str(), "wb+");
  if (!f) {
    lame_close(lame);
    return false;
  }
  std::vector<short> pcm(sound.samples.size());
  std::transform(sound.samples.begin(), sound.samples.end(), pcm.begin(), ToPcm);
  const int chunkFrames = 8192;
  std::vector<unsigned char> out(size_t(1.25 * chunkFrames + 7200));
  bool ok = true;
  size_t frames = sound.frames();
  for (size_t at = 0; at < frames && ok; at += chunkFrames) {
    int n = int(std::min<size_t>(chunkFrames, frames - at));
    int bytes = sound.channels == 2
                    ? lame_encode_buffer_interleaved(lame, pcm.data() + at * 2, n, out.data(), int(out.size()))
                    : lame_encode_buffer(lame, pcm.data() + at, nullptr, n, out.data(), int(out.size()));
    ok = bytes >= 0 && std::fwrite(out.data(), 1, size_t(bytes), f) == size_t(bytes);
  }
  if (ok) {
    int bytes = lame_encode_flush(lame, out.data(), int(out.size()));
    ok = bytes >= 0 && std::fwrite(out.data(), 1, size_t(bytes), f) == size_t(bytes);
  }
  if (ok) lame_mp3_tags_fid(lame, f);  // rewrites the first frame with the final info tag
  lame_close(lame);
  return std::fclose(f) == 0 && ok;
}

}  // namespace assets
