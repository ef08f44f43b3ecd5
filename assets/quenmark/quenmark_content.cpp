#include "assets/quenmark/quenmark_content.h"

#include <cstdio>
#include <filesystem>

#include "assets/quenmark/quenmark_pictures.h"
#include "assets/quenmark/screen_mock.h"
#include "platform/atomic_file.h"
#include "platform/dds.h"
#include "platform/image.h"

namespace assets {

bool MakeQuenmarkContent(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder + "/images", error);
  quenmark::QuenmarkPictures pictures;
  if (!quenmark::DrawQuenmarkPictures(pictures)) {
    std::fprintf(stderr, "make_assets: could not draw the side-bar shooter's pictures (fonts missing?)\n");
    return false;
  }
  bool ok = true;
  for (const auto& entry : pictures.Files()) {
    const std::string path = folder + "/images/" + entry.file;
    if (!platform::ReplaceFile(path, platform::EncodeDds(*entry.image, platform::DdsFormat::A8R8G8B8))) {
      std::fprintf(stderr, "make_assets: could not write %s\n", path.c_str());
      ok = false;
    }
  }
  return ok;
}

bool MakeQuenmarkPreviews(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  quenmark::QuenmarkPictures pictures;
  if (!quenmark::DrawQuenmarkPictures(pictures)) return false;
  bool ok = true;
  auto save = [&](const std::string& name, const platform::Image& image) {
    if (!platform::SavePng(folder + "/" + name, image)) {
      std::fprintf(stderr, "make_assets: could not write %s/%s\n", folder.c_str(), name.c_str());
      ok = false;
    }
  };
  for (const auto& entry : pictures.Files()) {
    std::string stem = std::filesystem::path(entry.file).stem().string();
    save(stem + ".png", *entry.image);
    save(stem + "_on_field.png", quenmark::OnPlayField(*entry.image, 512));
  }
  save("mock_title.png", quenmark::MockTitleScreen(pictures, 1280, 720));
  save("mock_play.png", quenmark::MockPlayScreen(pictures, 1280, 720));
  save("mock_play_4x3.png", quenmark::MockPlayScreen(pictures, 960, 720));
  save("mock_result.png", quenmark::MockResultScreen(pictures, 1280, 720));
  return ok;
}

}  // namespace assets
