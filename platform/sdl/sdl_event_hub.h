#pragma once
#include <SDL.h>

#include <deque>
#include <map>

#include "platform/events.h"

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
  bool Take(Uint32 windowId, Event& out);

  // Set by the window whose maximise request it is about to undo.
  void OnMaximized(Uint32 windowId);

 private:
  void Dispatch(const SDL_Event& e);
  void Push(Uint32 windowId, const Event& e);
  std::map<Uint32, std::deque<Event>> queues_;
};

SdlEventHub& TheEventHub();

}  // namespace platform
