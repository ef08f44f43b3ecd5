#include "platform/key_codes.h"

#include <array>

namespace platform {
namespace {

struct Pair {
  uint8_t dik, vk;
};

constexpr Pair kPairs[] = {
    {dik::ESCAPE, vk::ESCAPE}, {dik::K1, '1'}, {dik::K2, '2'}, {dik::K3, '3'}, {dik::K4, '4'},
    {dik::K5, '5'}, {dik::K6, '6'}, {dik::K7, '7'}, {dik::K8, '8'}, {dik::K9, '9'},
    {dik::K0, '0'}, {dik::MINUS, vk::OEM_MINUS}, {dik::EQUALS, vk::OEM_PLUS},
    {dik::BACK, vk::BACK}, {dik::TAB, vk::TAB}, {dik::Q, 'Q'}, {dik::W, 'W'}, {dik::E, 'E'},
    {dik::R, 'R'}, {dik::T, 'T'}, {dik::Y, 'Y'}, {dik::U, 'U'}, {dik::I, 'I'}, {dik::O, 'O'},
    {dik::P, 'P'}, {dik::LBRACKET, vk::OEM_4}, {dik::RBRACKET, vk::OEM_6},
    {dik::RETURN, vk::RETURN}, {dik::LCONTROL, vk::LCONTROL}, {dik::A, 'A'}, {dik::S, 'S'},
    {dik::D, 'D'}, {dik::F, 'F'}, {dik::G, 'G'}, {dik::H, 'H'}, {dik::J, 'J'}, {dik::K, 'K'},
    {dik::L, 'L'}, {dik::SEMICOLON, vk::OEM_1}, {dik::APOSTROPHE, vk::OEM_7},
    {dik::GRAVE, vk::OEM_3}, {dik::LSHIFT, vk::LSHIFT}, {dik::BACKSLASH, vk::OEM_5},
    {dik::Z, 'Z'}, {dik::X, 'X'}, {dik::C, 'C'}, {dik::V, 'V'}, {dik::B, 'B'}, {dik::N, 'N'},
    {dik::M, 'M'}, {dik::COMMA, vk::OEM_COMMA}, {dik::PERIOD, vk::OEM_PERIOD},
    {dik::SLASH, vk::OEM_2}, {dik::RSHIFT, vk::RSHIFT}, {dik::MULTIPLY, vk::MULTIPLY},
    {dik::LMENU, vk::LMENU}, {dik::SPACE, vk::SPACE}, {dik::CAPITAL, vk::CAPITAL},
    {dik::F1, vk::F1}, {dik::F2, vk::F1 + 1}, {dik::F3, vk::F1 + 2}, {dik::F4, vk::F4},
    {dik::F5, vk::F1 + 4}, {dik::F6, vk::F1 + 5}, {dik::F7, vk::F1 + 6}, {dik::F8, vk::F1 + 7},
    {dik::F9, vk::F1 + 8}, {dik::F10, vk::F10}, {dik::F11, vk::F1 + 10}, {dik::F12, vk::F12},
    {dik::NUMLOCK, vk::NUMLOCK}, {dik::SCROLL, vk::SCROLL}, {dik::NUMPAD7, vk::NUMPAD0 + 7},
    {dik::NUMPAD8, vk::NUMPAD0 + 8}, {dik::NUMPAD9, vk::NUMPAD0 + 9},
    {dik::SUBTRACT, vk::SUBTRACT}, {dik::NUMPAD4, vk::NUMPAD0 + 4},
    {dik::NUMPAD5, vk::NUMPAD0 + 5}, {dik::NUMPAD6, vk::NUMPAD0 + 6}, {dik::ADD, vk::ADD},
    {dik::NUMPAD1, vk::NUMPAD0 + 1}, {dik::NUMPAD2, vk::NUMPAD0 + 2},
    {dik::NUMPAD3, vk::NUMPAD0 + 3}, {dik::NUMPAD0, vk::NUMPAD0}, {dik::DECIMAL, vk::DECIMAL},
    {dik::NUMPADENTER, vk::RETURN}, {dik::RCONTROL, vk::RCONTROL}, {dik::DIVIDE, vk::DIVIDE},
    {dik::RMENU, vk::RMENU}, {dik::PAUSE, vk::PAUSE}, {dik::HOME, vk::HOME}, {dik::UP, vk::UP},
    {dik::PRIOR, vk::PRIOR}, {dik::LEFT, vk::LEFT}, {dik::RIGHT, vk::RIGHT}, {dik::END, vk::END},
    {dik::DOWN, vk::DOWN}, {dik::NEXT, vk::NEXT}, {dik::INSERT, vk::INSERT},
    {dik::DELETE_, vk::DELETE_}, {dik::LWIN, vk::LWIN}, {dik::RWIN, vk::RWIN},
    {dik::APPS, vk::APPS},
};

constexpr std::array<uint8_t, 256> MakeTable() {
  std::array<uint8_t, 256> table{};
  for (const Pair& p : kPairs) table[p.dik] = p.vk;
  return table;
}

constexpr std::array<uint8_t, 256> kVirtualKeyOfDik = MakeTable();

}  // namespace

uint8_t VirtualKeyOf(uint8_t dikCode) { return kVirtualKeyOfDik[dikCode]; }

uint8_t MessageVirtualKeyOf(uint8_t dikCode) {
  uint8_t code = kVirtualKeyOfDik[dikCode];
  switch (code) {
    case vk::LSHIFT: case vk::RSHIFT: return vk::SHIFT;
    case vk::LCONTROL: case vk::RCONTROL: return vk::CONTROL;
    case vk::LMENU: case vk::RMENU: return vk::MENU;
    default: return code;
  }
}

}  // namespace platform
