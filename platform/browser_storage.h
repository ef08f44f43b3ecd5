#pragma once
#include <string>

namespace platform {

// In a browser build, the files a game writes in its folder are kept in the browser's storage,
// so that a reload finds them: the page restores them before the game starts, and each file
// written is stored again here. Elsewhere the file system keeps them and this does nothing.
void KeepWrittenFile(const std::string& hostPath);

}  // namespace platform
