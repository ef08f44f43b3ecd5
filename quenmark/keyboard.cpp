#include "quenmark/keyboard.h"

#include "platform/key_codes.h"

namespace {

struct KeyBit {
  uint8_t key;
  InputWord bit;
};

// Each action by its keys' DirectInput codes.
constexpr KeyBit kKeys[] = {
    {platform::dik::LEFT, input_bits::kLeft},    {platform::dik::NUMPAD4, input_bits::kLeft},
    {platform::dik::RIGHT, input_bits::kRight},  {platform::dik::NUMPAD6, input_bits::kRight},
    {platform::dik::UP, input_bits::kUp},        {platform::dik::NUMPAD8, input_bits::kUp},
    {platform::dik::DOWN, input_bits::kDown},    {platform::dik::NUMPAD2, input_bits::kDown},
    {platform::dik::SPACE, input_bits::kSpace},  {platform::dik::Z, input_bits::kZ},
    {platform::dik::X, input_bits::kX},          {platform::dik::C, input_bits::kC},
    {platform::dik::RETURN, input_bits::kEnter}, {platform::dik::TAB, input_bits::kTab},
    {platform::dik::LSHIFT, input_bits::kShift}, {platform::dik::RSHIFT, input_bits::kShift},
    {platform::dik::BACK, input_bits::kBackspace}, {platform::dik::DELETE_, input_bits::kBackspace},
    {platform::dik::A, input_bits::kA},          {platform::dik::S, input_bits::kS},
};

}  // namespace

InputWord Keyboard::WordOf(const platform::KeyboardState& keys) {
  InputWord word = 0;
  for (const KeyBit& k : kKeys)
    if (keys[k.key] & 0x80) word |= k.bit;
  return word;
}

InputWord Keyboard::ReadKeyboard() {
  platform::KeyboardState keys{};
  if (!input_.ReadKeyboard(window_, keys)) {
    lost_ = true;
    return input_bits::kUnreadable;
  }
  if (lost_) {
    // Taken back after another program had the keyboard: this tick reads no key.
    lost_ = false;
    return 0;
  }
  return WordOf(keys);
}
