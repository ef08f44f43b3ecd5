#pragma once
#include <cstdint>

namespace platform {

// Keys are named by their DirectInput key codes (the PC keyboard's set-1 scan codes, extended
// keys with bit 7 set): one code per physical key. The keyboard state of a window is 256 bytes
// indexed by these codes, bit 7 set while the key is held. Window messages also carry the
// virtual-key code that the same key has on a US layout, for the games that read those.
namespace dik {
constexpr uint8_t ESCAPE = 0x01, K1 = 0x02, K2 = 0x03, K3 = 0x04, K4 = 0x05, K5 = 0x06,
                  K6 = 0x07, K7 = 0x08, K8 = 0x09, K9 = 0x0A, K0 = 0x0B, MINUS = 0x0C,
                  EQUALS = 0x0D, BACK = 0x0E, TAB = 0x0F, Q = 0x10, W = 0x11, E = 0x12,
                  R = 0x13, T = 0x14, Y = 0x15, U = 0x16, I = 0x17, O = 0x18, P = 0x19,
                  LBRACKET = 0x1A, RBRACKET = 0x1B, RETURN = 0x1C, LCONTROL = 0x1D, A = 0x1E,
                  S = 0x1F, D = 0x20, F = 0x21, G = 0x22, H = 0x23, J = 0x24, K = 0x25,
                  L = 0x26, SEMICOLON = 0x27, APOSTROPHE = 0x28, GRAVE = 0x29, LSHIFT = 0x2A,
                  BACKSLASH = 0x2B, Z = 0x2C, X = 0x2D, C = 0x2E, V = 0x2F, B = 0x30, N = 0x31,
                  M = 0x32, COMMA = 0x33, PERIOD = 0x34, SLASH = 0x35, RSHIFT = 0x36,
                  MULTIPLY = 0x37, LMENU = 0x38, SPACE = 0x39, CAPITAL = 0x3A, F1 = 0x3B,
                  F2 = 0x3C, F3 = 0x3D, F4 = 0x3E, F5 = 0x3F, F6 = 0x40, F7 = 0x41, F8 = 0x42,
                  F9 = 0x43, F10 = 0x44, NUMLOCK = 0x45, SCROLL = 0x46, NUMPAD7 = 0x47,
                  NUMPAD8 = 0x48, NUMPAD9 = 0x49, SUBTRACT = 0x4A, NUMPAD4 = 0x4B,
                  NUMPAD5 = 0x4C, NUMPAD6 = 0x4D, ADD = 0x4E, NUMPAD1 = 0x4F, NUMPAD2 = 0x50,
                  NUMPAD3 = 0x51, NUMPAD0 = 0x52, DECIMAL = 0x53, F11 = 0x57, F12 = 0x58,
                  NUMPADENTER = 0x9C, RCONTROL = 0x9D, DIVIDE = 0xB5, RMENU = 0xB8,
                  PAUSE = 0xC5, HOME = 0xC7, UP = 0xC8, PRIOR = 0xC9, LEFT = 0xCB,
                  RIGHT = 0xCD, END = 0xCF, DOWN = 0xD0, NEXT = 0xD1, INSERT = 0xD2,
                  DELETE_ = 0xD3, LWIN = 0xDB, RWIN = 0xDC, APPS = 0xDD;
}  // namespace dik

// Virtual-key codes of the window messages and of the per-key state the games ask for.
namespace vk {
constexpr uint8_t BACK = 0x08, TAB = 0x09, RETURN = 0x0D, SHIFT = 0x10, CONTROL = 0x11,
                  MENU = 0x12, PAUSE = 0x13, CAPITAL = 0x14, ESCAPE = 0x1B, SPACE = 0x20,
                  PRIOR = 0x21, NEXT = 0x22, END = 0x23, HOME = 0x24, LEFT = 0x25, UP = 0x26,
                  RIGHT = 0x27, DOWN = 0x28, INSERT = 0x2D, DELETE_ = 0x2E, LWIN = 0x5B,
                  RWIN = 0x5C, APPS = 0x5D, NUMPAD0 = 0x60, MULTIPLY = 0x6A, ADD = 0x6B,
                  SUBTRACT = 0x6D, DECIMAL = 0x6E, DIVIDE = 0x6F, F1 = 0x70, F4 = 0x73,
                  F10 = 0x79, F12 = 0x7B, NUMLOCK = 0x90, SCROLL = 0x91, LSHIFT = 0xA0,
                  RSHIFT = 0xA1, LCONTROL = 0xA2, RCONTROL = 0xA3, LMENU = 0xA4, RMENU = 0xA5,
                  OEM_1 = 0xBA, OEM_PLUS = 0xBB, OEM_COMMA = 0xBC, OEM_MINUS = 0xBD,
                  OEM_PERIOD = 0xBE, OEM_2 = 0xBF, OEM_3 = 0xC0, OEM_4 = 0xDB, OEM_5 = 0xDC,
                  OEM_6 = 0xDD, OEM_7 = 0xDE;
// Letters and digits are their upper-case ASCII codes ('A' = 0x41, '0' = 0x30).
}  // namespace vk

// The virtual-key code of a key on a US layout, 0 for a code no key has. Shift, Control and Alt
// have a code for each key of the pair (LSHIFT, RSHIFT, ...).
uint8_t VirtualKeyOf(uint8_t dikCode);
// The code a key message carries: the same, but one code for both keys of a pair (SHIFT,
// CONTROL, MENU).
uint8_t MessageVirtualKeyOf(uint8_t dikCode);

}  // namespace platform
