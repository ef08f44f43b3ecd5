#pragma once
#include <string>

namespace platform {

class Window;

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

// Modal message boxes. Texts arrive in CP932 (Shift-JIS), the games' own encoding, and are
// converted to UTF-8 here, at the edge.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the box and waits for the answer. A box that cannot be shown answers as if its first
  // button (OK or Yes) had been pressed, so a start-up message never stops a program from ending.
  virtual MessageResult ShowMessage(const Window* owner, const std::string& textCp932,
                                    const std::string& captionCp932, MessageButtons buttons) = 0;
};

}  // namespace platform
