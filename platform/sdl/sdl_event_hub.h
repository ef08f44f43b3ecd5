#pragma once
#include <SDL.h>

#include <map>

#include "platform/events.h"
#include "platform/key_state.h"
#include "platform/window_event_queue.h"

namespace platform {

// SDL has one event queue per process. The hub takes SDL's events, turns the ones that belong
// to a window into our events, and keeps them in that window's queue until it asks.
class SdlEventHub {
 public:
  void Register(Uint32 windowId);
  void Unregister(Uint32 windowId);

  // Moves every waiting SDL event into the window queues.
  void Pump();
  // Waits (up to timeoutMs, -1 for ever) until the window's queue holds an event.
  bool WaitFor(Uint32 windowId, int timeoutMs);
  // The next event for the program; it and the swallowed ones before it change keys.
  bool Take(Uint32 windowId, Event& out, KeyStateTracker& keys);

  // Right after a message box owned by the window has closed: moves every waiting SDL event
  // into the queues, with the owner's input swallowed, since it came while the box was open
  // (the window's events queue up while SDL's box runs a display connection of its own).
  void PumpAfterBox(Uint32 ownerId, KeyStateTracker& ownerKeys);

  // Set by the window whose maximise request it is about to undo.
  void OnMaximized(Uint32 windowId);

 private:
  void Dispatch(const SDL_Event& e);
  void Push(Uint32 windowId, const Event& e);
  std::map<Uint32, WindowEventQueue> queues_;
  Uint32 boxOwner_ = 0;  // SDL numbers windows from 1
};

SdlEventHub& TheEventHub();

}  // namespace platform
