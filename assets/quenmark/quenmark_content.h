#pragma once
#include <string>

namespace assets {

// Every picture of the side-bar shooter under the folder, in images/, as 32-bit DDS files.
bool MakeQuenmarkContent(const std::string& folder);
// The same pictures as PNG files in the folder, each also over the play field's colour, and
// mock screens made from them (title, play at 16:9 and 4:3, result), for looking at.
bool MakeQuenmarkPreviews(const std::string& folder);

}  // namespace assets
