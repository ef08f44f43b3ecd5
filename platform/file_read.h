#pragma once
#include <string>

namespace platform {

// Reads a whole file into memory: the one way the games' readers (settings, profile and
// key-value files, scripts, stage data, saves, pictures, meshes) get at a file's bytes.
// False, with out empty, when the path names no regular file (missing, a folder, a device),
// when a read fails, or when the file is larger than kMaxFileBytes. Never throws.
bool ReadWholeFile(const std::string& hostPath, std::string& out);

// Larger files are refused: nothing the games read comes near it, and a runaway file must not
// take the machine's memory.
constexpr size_t kMaxFileBytes = size_t(256) << 20;

}  // namespace platform
