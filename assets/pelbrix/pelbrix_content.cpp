#include "assets/pelbrix/pelbrix_content.h"

#include <cstdio>
#include <filesystem>

#include "assets/common/sound_file.h"
#include "assets/music/quillet_remix.h"
#include "assets/pelbrix/crash_sound.h"
#include "assets/pelbrix/font_sheet.h"
#include "platform/image.h"

namespace assets {

bool MakePelbrixContent(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder + "/Files", error);
  const std::string files = folder + "/Files/";
  bool ok = true;
  auto check = [&ok](bool written, const std::string& name) {
    if (!written) std::fprintf(stderr, "make_assets: could not make %s\n", name.c_str());
    ok = ok && written;
  };
  platform::Image font;
  check(RenderFontSheet(font) && platform::SavePng(files + "font.png", font), "font.png");
  check(WriteWav(files + "crash_boss.wav", RenderCrashSound(44100)), "crash_boss.wav");
  check(WriteMp3(files + "Quillet Remix.mp3", RenderQuilletRemix(44100), 192), "Quillet Remix.mp3");
  return ok;
}

}  // namespace assets
