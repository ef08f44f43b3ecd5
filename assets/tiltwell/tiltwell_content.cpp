#include "assets/tiltwell/tiltwell_content.h"

#include <cstdio>
#include <filesystem>

#include "assets/tiltwell/background.h"
#include "assets/tiltwell/ball_picture.h"
#include "assets/tiltwell/play_preview.h"
#include "assets/tiltwell/stage_set.h"
#include "assets/tiltwell/tile_sheet.h"
#include "assets/tiltwell/time_digits.h"
#include "assets/tiltwell/title_picture.h"
#include "platform/atomic_file.h"
#include "platform/dds.h"
#include "platform/image.h"

namespace assets {
namespace {

// Written beside its place and renamed over it, so a run that stops half-way never leaves a
// truncated picture that looks made.
bool SavePngAtomically(const std::string& path, const platform::Image& image) {
  const std::string part = path + ".part";
  if (!platform::SavePng(part, image)) return false;
  std::error_code error;
  std::filesystem::rename(part, path, error);
  if (error) std::filesystem::remove(part, error);
  return !error;
}

bool DrawPictures(tiltwell::GamePictures& p) {
  p.tileSheet = tiltwell::RenderTileSheet();
  p.background = tiltwell::RenderTableTop();
  p.ball = tiltwell::RenderBall(tiltwell::kBallPicture);
  return tiltwell::RenderTimeDigits(p.time);
}

}  // namespace

bool MakeTiltwellContent(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder + "/img", error);
  std::filesystem::create_directories(folder + "/stages", error);
  bool ok = true;
  auto check = [&ok](bool written, const char* name) {
    if (!written) std::fprintf(stderr, "make_assets: could not make %s\n", name);
    ok = ok && written;
  };
  tiltwell::GamePictures p;
  platform::Image title;
  check(DrawPictures(p), "the time digits (font missing?)");
  check(tiltwell::RenderTitlePicture(p.tileSheet, title), "the title picture (fonts missing?)");
  if (!ok) return false;
  check(SavePngAtomically(folder + "/img/title.png", title), "img/title.png");
  check(SavePngAtomically(folder + "/img/pl.png", p.ball), "img/pl.png");
  check(platform::ReplaceFile(folder + "/img/time.dds", platform::EncodeDds(p.time, platform::DdsFormat::A8R8G8B8)),
        "img/time.dds");
  check(SavePngAtomically(folder + "/stages/tiles.png", p.tileSheet), "stages/tiles.png");
  check(SavePngAtomically(folder + "/stages/back.png", p.background), "stages/back.png");
  check(WriteTiltwellStageSet(folder), "stages/std.ini and stages/std.dat");
  return ok;
}

bool MakeTiltwellPreview(const std::string& file) {
  tiltwell::GamePictures p;
  if (!DrawPictures(p)) return false;
  return SavePngAtomically(file, tiltwell::RenderPlayPreview(p));
}

}  // namespace assets
