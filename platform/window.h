#pragma once
#include <memory>
#include <string>

#include "platform/events.h"
#include "platform/image.h"
#include "platform/render_device.h"

namespace platform {

enum class WindowPlacement { TopLeft, Centered };
enum class WindowSurface { Gl, Pixels };

struct WindowDesc {
  std::string titleCp932;
  // A window with a class name can be found by PublishedWindowShows while it exists; empty
  // means not published.
  std::string classNameCp932;
  int clientWidth = 640;
  int clientHeight = 480;
  WindowPlacement placement = WindowPlacement::TopLeft;
  // Gl windows are drawn with a RenderDevice; Pixels windows show software bitmaps.
  WindowSurface surface = WindowSurface::Gl;
};

struct Size {
  int width = 0, height = 0;
};
struct Point {
  int x = 0, y = 0;
};

// One top-level window with a caption, a close box and a minimise box; the user cannot resize
// it. Positions and sizes are those of the client area, in pixels.
class Window {
 public:
  virtual ~Window() = default;

  // Takes the next waiting event, if any.
  virtual bool PollEvent(Event& out) = 0;
  // Waits until an event arrives and takes it.
  virtual void WaitEvent(Event& out) = 0;

  virtual void SetTitle(const std::string& titleCp932) = 0;
  virtual std::string title() const = 0;  // CP932
  // Loads the window's icon from an image file (ico, png, bmp); false when it cannot.
  virtual bool SetIconFromFile(const std::string& hostPath) = 0;

  virtual Size clientSize() const = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual Point position() const = 0;
  virtual void SetPosition(int x, int y) = 0;

  // Desktop fullscreen: the window covers the screen without a frame; a device's back buffer
  // keeps its size and is scaled to fit. Leaving it restores the frame, size and position the
  // window had.
  virtual void SetFullscreen(bool fullscreen) = 0;
  virtual bool fullscreen() const = 0;
  virtual Size screenSize() const = 0;
  // The display's refresh rate in Hz; 0 when it cannot be read.
  virtual int displayRefreshRate() const = 0;

  virtual bool hasFocus() const = 0;   // the foreground window, receiving the keyboard
  // Whether a key (by virtual-key code) is down as of the last key event taken from this
  // window's queue (see KeyStateTracker).
  virtual bool KeyHeld(uint8_t virtualKey) const = 0;
  virtual bool minimized() const = 0;

  // The mouse cursor over the window: shown (the arrow) or hidden, as the shooters want it.
  virtual void SetCursorVisible(bool visible) = 0;
  virtual bool cursorVisible() const = 0;

  // Closes the window; it sends no more events.
  virtual void Destroy() = 0;
  virtual bool destroyed() const = 0;

  // A GL window's drawing device, or null when none of the kind asked for can be made.
  virtual std::unique_ptr<RenderDevice> CreateRenderDevice(const DeviceRequest& request) = 0;
  // A Pixels window shows this picture in its client area, from the top-left corner.
  virtual void PresentPixels(const Image& picture) = 0;

  // Timers: the window's event queue gets a Timer event with the id every period, when
  // nothing else is waiting (see WindowTimers). Setting a running timer restarts it. A period
  // below 10 ms is raised to 10 ms, so a period of 0 or 1 ms gives 100 events a second.
  virtual void SetTimer(int id, uint32_t periodMicros) = 0;
  virtual void KillTimer(int id) = 0;
};

}  // namespace platform
