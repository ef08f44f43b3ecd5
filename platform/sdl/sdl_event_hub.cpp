#include "platform/sdl/sdl_event_hub.h"

#include "platform/key_codes.h"
#include "platform/sdl/sdl_key_map.h"

namespace platform {

SdlEventHub& TheEventHub() {
  static SdlEventHub hub;
  return hub;
}

void SdlEventHub::Register(Uint32 windowId) { queues_[windowId]; }
void SdlEventHub::Unregister(Uint32 windowId) { queues_.erase(windowId); }

void SdlEventHub::Push(Uint32 windowId, const Event& e) {
  auto it = queues_.find(windowId);
  if (it != queues_.end()) it->second.Push(e, windowId == boxOwner_);
}

void SdlEventHub::Pump() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) Dispatch(e);
}

bool SdlEventHub::WaitFor(Uint32 windowId, int timeoutMs) {
  Pump();
  Uint32 start = SDL_GetTicks();
  while (!queues_[windowId].HasEvent()) {
    int wait = -1;
    if (timeoutMs >= 0) {
      int elapsed = int(SDL_GetTicks() - start);
      if (elapsed >= timeoutMs) return false;
      wait = timeoutMs - elapsed;
    }
    SDL_Event e;
    if (wait < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, wait)) Dispatch(e);
    Pump();
  }
  return true;
}

bool SdlEventHub::Take(Uint32 windowId, Event& out, KeyStateTracker& keys) {
  auto it = queues_.find(windowId);
  return it != queues_.end() && it->second.Take(out, keys);
}

void SdlEventHub::PumpAfterBox(Uint32 ownerId, KeyStateTracker& ownerKeys) {
  boxOwner_ = ownerId;
  Pump();
  boxOwner_ = 0;
  auto it = queues_.find(ownerId);
  if (it != queues_.end()) it->second.Settle(ownerKeys);
}

void SdlEventHub::Dispatch(const SDL_Event& e) {
  Event out;
  switch (e.type) {
    // The last window closed from outside, or an interrupt signal. Closing the last window
    // sends it besides the window's own close event, so a box's owner swallows it as well.
    case SDL_QUIT:
      out.type = EventType::CloseRequested;
      for (auto& [id, queue] : queues_) queue.Push(out, id == boxOwner_);
      return;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out.type = EventType::CloseRequested; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.type = EventType::FocusGained; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.type = EventType::FocusLost; break;
        case SDL_WINDOWEVENT_MINIMIZED: out.type = EventType::Minimized; break;
        case SDL_WINDOWEVENT_RESTORED: out.type = EventType::Restored; break;
        case SDL_WINDOWEVENT_EXPOSED: out.type = EventType::Exposed; break;
        case SDL_WINDOWEVENT_MAXIMIZED:
          out.type = EventType::MaximizeRequested;
          OnMaximized(e.window.windowID);
          break;
        default: return;
      }
      Push(e.window.windowID, out);
      return;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      out.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
      out.key = DikFromScancode(e.key.keysym.scancode);
      out.virtualKey = MessageVirtualKeyOf(out.key);
      out.repeat = e.key.repeat != 0;
      out.modifiers.shift = (e.key.keysym.mod & KMOD_SHIFT) != 0;
      out.modifiers.control = (e.key.keysym.mod & KMOD_CTRL) != 0;
      out.modifiers.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
      Push(e.key.windowID, out);
      return;
    }
    case SDL_MOUSEMOTION:
      out.type = EventType::MouseMove;
      out.x = e.motion.x;
      out.y = e.motion.y;
      Push(e.motion.windowID, out);
      return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out.type = e.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseButtonDown : EventType::MouseButtonUp;
      out.x = e.button.x;
      out.y = e.button.y;
      if (e.button.button == SDL_BUTTON_LEFT) out.button = MouseButton::Left;
      else if (e.button.button == SDL_BUTTON_MIDDLE) out.button = MouseButton::Middle;
      else if (e.button.button == SDL_BUTTON_RIGHT) out.button = MouseButton::Right;
      else return;
      Push(e.button.windowID, out);
      return;
    default:
      return;
  }
}

void SdlEventHub::OnMaximized(Uint32 windowId) {
  // The window is not meant to be maximised; the program gets the request and decides.
  if (SDL_Window* window = SDL_GetWindowFromID(windowId)) SDL_RestoreWindow(window);
}

}  // namespace platform
