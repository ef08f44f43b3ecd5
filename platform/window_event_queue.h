#pragma once
#include <cstddef>
#include <deque>

#include "platform/events.h"
#include "platform/key_state.h"

namespace platform {

// A window's waiting events, in the order they came. While a message box owned by the window is
// open the window is modal: what the player does to it then (keys, the mouse, the close and
// maximise boxes) never reaches the program. Such events stay in line only for their effect on
// key state, so that a key released while the box was open is up afterwards; events about the
// window itself (focus, minimise, restore, expose) pass as usual.
class WindowEventQueue {
 public:
  // An event for the program, or, with the window's box open, one the box swallows.
  void Push(const Event& e, bool boxOpen = false);
  // Takes the next event for the program. It and every swallowed event before it change the key
  // state, in order.
  bool Take(Event& out, KeyStateTracker& keys);
  // Applies the swallowed events at the front to the key state: done as a box closes, so the key
  // state is the keyboard's at once.
  void Settle(KeyStateTracker& keys);
  bool HasEvent() const { return forProgram_ > 0; }

 private:
  struct Entry {
    Event event;
    bool swallowed;
  };
  std::deque<Entry> entries_;
  std::size_t forProgram_ = 0;
};

}  // namespace platform
