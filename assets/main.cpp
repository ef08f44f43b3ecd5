// make_assets: writes the content of one game into that game's folder.
//   make_assets pelbrix <folder>           Files/ (pictures, meshes, sounds, music), bin/game.ico, script.txt
//   make_assets vexilo <folder>            image/*.bmp, every picture of the flag game
//   make_assets tiltwell <folder>          img/ and stages/: the maze game's pictures and stage set
//   make_assets quenmark <folder>          images/*.dds, every picture of the side-bar shooter
//   make_assets music-preview <file.wav>   the shooter's music as a WAV, for listening and plots
//   make_assets tiltwell-preview <file.png> a mock play screen of the maze game, for looking at
//   make_assets quenmark-preview <folder>  the side-bar shooter's pictures as PNG and mock screens
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "assets/common/sound_file.h"
#include "assets/music/quillet_remix.h"
#include "assets/pelbrix/pelbrix_content.h"
#include "assets/quenmark/quenmark_content.h"
#include "assets/tiltwell/tiltwell_content.h"
#include "assets/vexilo/vexilo_content.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: make_assets pelbrix <folder> | vexilo <folder> | tiltwell <folder>\n"
               "       | quenmark <folder> | music-preview <file.wav> | tiltwell-preview <file.png>\n"
               "       | quenmark-preview <folder>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  std::string what = argv[1], target = argv[2];
  if (what == "pelbrix") return assets::MakePelbrixContent(target) ? 0 : 1;
  if (what == "vexilo") return assets::MakeVexiloContent(target) ? 0 : 1;
  if (what == "tiltwell") return assets::MakeTiltwellContent(target) ? 0 : 1;
  if (what == "quenmark") return assets::MakeQuenmarkContent(target) ? 0 : 1;
  if (what == "music-preview") return assets::WriteWav(target, assets::RenderQuilletRemix(44100)) ? 0 : 1;
  if (what == "tiltwell-preview") return assets::MakeTiltwellPreview(target) ? 0 : 1;
  if (what == "quenmark-preview") return assets::MakeQuenmarkPreviews(target) ? 0 : 1;
  return Usage();
}
