#pragma once
#include <string>

// What the maze game asks of a file before it reads one, as its code opened files to see.

// The working folder as a game path ("." when it cannot be expressed as one).
std::string WorkingFolder();
// 0 when the file (a game path) opens for reading, else the error number the open gave; a
// folder where the file should be is no file (EISDIR).
int OpenError(const std::string& gamePath);
