#pragma once
#include <string>

namespace assets {

// Everything the shooter reads, under folder (the game's folder: Files/ is made in it).
bool MakePelbrixContent(const std::string& folder);

}  // namespace assets
