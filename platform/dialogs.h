#pragma once
#include <string>

namespace platform {

class Window;

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };
// What kind of message a box gives, shown by its icon; a plain box has none.
enum class MessageKind { Plain, Information, Warning, Error, Question };

// Modal message boxes. Texts arrive in CP932 (Shift-JIS), the games' own encoding, and are
// converted to UTF-8 here, at the edge.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the box and waits for the answer. A box that cannot be shown answers as if its first
  // button (OK or Yes) had been pressed, so a start-up message never stops a program from ending.
  // A box with an owner stays over it and is modal for it: keys, clicks and the close box given
  // to the owner while the box is open never reach the program (a key released meanwhile is up
  // afterwards, see Window::KeyHeld). The owner's timers go on running.
  virtual MessageResult ShowMessage(const Window* owner, const std::string& textCp932,
                                    const std::string& captionCp932, MessageButtons buttons,
                                    MessageKind kind = MessageKind::Plain) = 0;
};

}  // namespace platform
