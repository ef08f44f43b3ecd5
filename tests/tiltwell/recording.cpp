#include "tests/tiltwell/recording.h"

#include <bitset>
#include <sstream>
#include <string>

namespace recording {
namespace {

const char kLetters[] = "LRUD";

std::string KeyString(uint8_t keys) {
  std::string text;
  for (int bit = 0; bit < 4; ++bit)
    if (keys & (1 << bit)) text += kLetters[bit];
  return text.empty() ? "-" : text;
}

bool KeySet(const std::string& text, uint8_t& keys) {
  keys = 0;
  if (text == "-") return true;
  for (char c : text) {
    const char* at = std::char_traits<char>::find(kLetters, 4, c);
    if (!at) return false;
    keys |= uint8_t(1 << (at - kLetters));
  }
  return !text.empty();
}

}  // namespace

std::string Text(const std::vector<uint8_t>& keysPerUpdate, const std::string& comment) {
  std::string text = "# " + comment + "\n";
  for (size_t i = 0; i < keysPerUpdate.size();) {
    size_t run = 1;
    while (i + run < keysPerUpdate.size() && keysPerUpdate[i + run] == keysPerUpdate[i]) ++run;
    text += std::to_string(run) + " " + KeyString(keysPerUpdate[i]) + "\n";
    i += run;
  }
  return text;
}

bool Parse(const std::string& text, std::vector<uint8_t>& keysPerUpdate) {
  keysPerUpdate.clear();
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    long updates = 0;
    std::string keyText, rest;
    uint8_t keys = 0;
    if (!(fields >> updates >> keyText) || (fields >> rest) || updates <= 0 || updates > 1000000 ||
        !KeySet(keyText, keys))
      return false;
    keysPerUpdate.insert(keysPerUpdate.end(), size_t(updates), keys);
  }
  return true;
}

bool OneChangeAtATime(const std::vector<uint8_t>& keysPerUpdate) {
  uint8_t held = 0;
  for (uint8_t keys : keysPerUpdate) {
    if (std::bitset<8>(held ^ keys).count() > 1) return false;
    held = keys;
  }
  return true;
}

}  // namespace recording
