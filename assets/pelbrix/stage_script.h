#pragma once
#include <string>

namespace assets {

// "script.txt": the stage, about three and a half minutes at 60 frames a second. The music starts
// at once; the six enemy kinds come in waves that build up, with pauses between them; the music
// fades before the game ends. Lines end in CR LF; sections are named in comments.
std::string StageScriptText();

}  // namespace assets
