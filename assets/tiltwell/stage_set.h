#pragma once
#include <string>

namespace assets {

// The maze game's standard stage set: "stages/std.ini" and "stages/std.dat" under gameFolder
// (the stages folder is made when missing). False, with the reason on the error stream, when a
// map does not make a stage (an unknown character, uneven rows, no start or more than one, too
// many cells, a name or comment too long for its field) or a file cannot be written.
bool WriteTiltwellStageSet(const std::string& gameFolder);

}  // namespace assets
