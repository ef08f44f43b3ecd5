#include "platform/window_event_queue.h"

namespace platform {
namespace {

// What the player does to a window, which a box owned by it swallows.
bool IsInput(EventType type) {
  switch (type) {
    case EventType::FocusGained:
    case EventType::FocusLost:
    case EventType::Minimized:
    case EventType::Restored:
    case EventType::Exposed:
    case EventType::Timer:
      return false;
    default:
      return true;
  }
}

}  // namespace

void WindowEventQueue::Push(const Event& e, bool boxOpen) {
  bool swallowed = boxOpen && IsInput(e.type);
  entries_.push_back({e, swallowed});
  if (!swallowed) ++forProgram_;
}

bool WindowEventQueue::Take(Event& out, KeyStateTracker& keys) {
  Settle(keys);
  if (entries_.empty()) return false;
  out = entries_.front().event;
  entries_.pop_front();
  --forProgram_;
  keys.Apply(out);
  return true;
}

void WindowEventQueue::Settle(KeyStateTracker& keys) {
  while (!entries_.empty() && entries_.front().swallowed) {
    keys.Apply(entries_.front().event);
    entries_.pop_front();
  }
}

}  // namespace platform
