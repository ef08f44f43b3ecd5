#pragma once
#include <string>

#include "vexilo/game_record.h"

// Reads the speed mode and the four flag keys from key.ini ("./key.ini" in the working folder):
//   [MODE] mode=0          0 normal, anything else fast      (fallback 0)
//   [KEY]  1=I 2=O 3=J 4=K  the first character of each is the key's virtual-key code
// When the file cannot be opened it is created with exactly those seven lines (CR LF); the
// values already read are the fallbacks, so they are not read again.
void LoadKeyConfig(GameRecord& record, const std::string& gamePath = "./key.ini");
