#pragma once
#include <string>
#include <string_view>

namespace platform {

// Replaces the file's contents with bytes, all or nothing: they are written to a new file
// beside it, flushed to the disk, and renamed over the old one. A crash or a full disk leaves
// the old file as it was. False when any step fails.
bool ReplaceFile(const std::string& hostPath, std::string_view bytes);

}  // namespace platform
