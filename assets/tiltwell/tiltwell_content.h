#pragma once
#include <string>

namespace assets {

// Every picture of the maze game under the folder: img/title.png, img/pl.png, img/time.dds,
// stages/tiles.png and stages/back.png.
bool MakeTiltwellContent(const std::string& folder);
// A mock play screen made from the same pictures, as a PNG file.
bool MakeTiltwellPreview(const std::string& file);

}  // namespace assets
