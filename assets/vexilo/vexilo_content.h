#pragma once
#include <string>

namespace assets {

// Every picture of the flag game, as 24-bit BMP files under folder + "/image/".
bool MakeVexiloContent(const std::string& folder);

}  // namespace assets
