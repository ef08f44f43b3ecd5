#include "assets/vexilo/vexilo_content.h"

#include <cstdio>
#include <filesystem>

#include "assets/common/bmp_file.h"
#include "assets/vexilo/vexilo_pictures.h"

namespace assets {

bool MakeVexiloContent(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder + "/image", error);
  std::vector<vexilo::NamedPicture> pictures;
  if (!vexilo::DrawVexiloPictures(pictures)) {
    std::fprintf(stderr, "make_assets: could not draw the flag game's pictures (fonts missing?)\n");
    return false;
  }
  bool ok = true;
  for (const auto& picture : pictures)
    if (!WriteBmp24(folder + "/image/" + picture.name, picture.image)) {
      std::fprintf(stderr, "make_assets: could not write %s\n", picture.name.c_str());
      ok = false;
    }
  return ok;
}

}  // namespace assets
