#pragma once
#include <string>

// What the maze game asks of a file before it reads one, as its code opened files to see.

// The working folder as a game path ("." when it cannot be expressed as one).
std::string WorkingFolder();
// 0 when the file (a game path) opens for reading, else the error number the open gave; a
// folder where the file should be is no file (EISDIR).
int OpenError(const std::string& gamePath);

// The game builds paths in fixed buffers: relative ones of 128 characters, absolute ones (the
// working folder first) of 261. A path that would not fit is refused rather than cut.
constexpr size_t kRelativePathBuffer = 128, kAbsolutePathBuffer = 261;
inline bool FitsBuffer(const std::string& path, size_t buffer) { return path.size() < buffer; }
