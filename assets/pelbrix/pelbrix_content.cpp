#include "assets/pelbrix/pelbrix_content.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "assets/common/ico_file.h"
#include "assets/common/sound_file.h"
#include "assets/common/x_mesh_file.h"
#include "assets/music/quillet_remix.h"
#include "assets/pelbrix/bullet_meshes.h"
#include "assets/pelbrix/crash_sound.h"
#include "assets/pelbrix/crystal_mesh.h"
#include "assets/pelbrix/font_sheet.h"
#include "assets/pelbrix/mesh_colours.h"
#include "assets/pelbrix/panel_emblem.h"
#include "assets/pelbrix/ship_mesh.h"
#include "assets/pelbrix/stage_script.h"
#include "assets/pelbrix/title_logo.h"
#include "platform/image.h"

namespace assets {
namespace {

constexpr int kEmblemSize = 160;  // in the 200-pixel score panel, 20 pixels each side
constexpr int kIconSize = 48;

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  return bool(file);
}

}  // namespace

bool MakePelbrixContent(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder + "/Files", error);
  std::filesystem::create_directories(folder + "/bin", error);
  const std::string files = folder + "/Files/";
  bool ok = true;
  auto check = [&ok](bool written, const std::string& name) {
    if (!written) std::fprintf(stderr, "make_assets: could not make %s\n", name.c_str());
    ok = ok && written;
  };
  platform::Image font, title;
  check(RenderFontSheet(font) && platform::SavePng(files + "font.png", font), "font.png");
  check(RenderTitleLogo(title) && platform::SavePng(files + "title.png", title), "title.png");
  check(platform::SavePng(files + "logos.png", RenderEmblem(kEmblemSize)), "logos.png");
  check(WriteIco(folder + "/bin/game.ico", RenderEmblem(kIconSize)), "game.ico");
  check(platform::SavePng(files + kMeshColoursFile, RenderMeshColours()), kMeshColoursFile);
  check(WriteXMesh(files + "myship.x", MakeShipMesh(), "MyShip"), "myship.x");
  check(WriteXMesh(files + "magic.x", MakeCrystalMesh(), "Magic"), "magic.x");
  check(WriteXMesh(files + "bullet.x", MakeOrbBulletMesh(), "Bullet"), "bullet.x");
  check(WriteXMesh(files + "bullet2.x", MakeStarBulletMesh(), "Bullet2"), "bullet2.x");
  check(WriteText(folder + "/script.txt", StageScriptText()), "script.txt");
  check(WriteWav(files + "crash_boss.wav", RenderCrashSound(44100)), "crash_boss.wav");
  check(WriteMp3(files + "Quillet Remix.mp3", RenderQuilletRemix(44100), 192), "Quillet Remix.mp3");
  return ok;
}

}  // namespace assets
