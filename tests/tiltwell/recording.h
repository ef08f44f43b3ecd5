#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A recorded play of one maze stage: the arrow keys held in each update of the ball, from the
// stage's first update on. As text, run-length lines "<updates> <keys>", the keys a string of
// L, R, U, D or "-" for none; lines starting with '#' are comments.
namespace recording {

constexpr uint8_t kLeft = 1, kRight = 2, kUp = 4, kDown = 8;

// The tilt the keys ask for on each axis: -1, 0 or 1.
inline int TiltX(uint8_t keys) { return int((keys & kRight) != 0) - int((keys & kLeft) != 0); }
inline int TiltY(uint8_t keys) { return int((keys & kDown) != 0) - int((keys & kUp) != 0); }

std::string Text(const std::vector<uint8_t>& keysPerUpdate, const std::string& comment);
// False for a line that is neither a comment nor a count and a key string.
bool Parse(const std::string& text, std::vector<uint8_t>& keysPerUpdate);
// True when from no keys held on, no update changes more than one key: the game takes one
// window message a frame, so a replay delivers at most one key change before each update.
bool OneChangeAtATime(const std::vector<uint8_t>& keysPerUpdate);

}  // namespace recording
