#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "pelbrix/graphics_device.h"
#include "pelbrix/input_devices.h"
#include "pelbrix/options.h"
#include "pelbrix/window_message.h"
#include "platform/host.h"

// The application shell: the window, the command-line options, the keyboard accelerators, the
// graphics and input devices, and the paced frame loop. A game derives from it and supplies the
// work of a frame in Move and Draw.
class CGame {
 public:
  // title is CP932 and names the window. has-menu asks for a menu bar, which this platform does
  // not have; suppress-hint leaves the resolution hint out of the start-up failure message.
  // argv are the program's arguments (argv[0] the program), read for the screen options.
  CGame(platform::Host& host, int argc, const char* const* argv, const char* title, bool hasMenu,
        bool suppressHint);
  virtual ~CGame();
  CGame(const CGame&) = delete;
  CGame& operator=(const CGame&) = delete;

  // In this order the game's hooks.
  virtual void WndProc(const WindowMessage& message);
  virtual void Move() {}
  virtual void Draw() {}
  virtual void OnLostDevice() {}
  virtual void OnResetDevice() {}

  // False when the window or the device could not be made; the failure message has been shown
  // and the program should end with exit code 1.
  bool started() const { return started_; }

  // Runs until the window is destroyed or the game asks to quit.
  void Run();
  void RenderFrame();
  void ApplyScreenMode();
  void ToggleFullscreen();
  void ResetFrameTimer();
  // Ends the loop after the current pass, as posting the quit message does.
  void PostQuitMessage() { quitPosted_ = true; }
  // Destroys the window: the game then receives Destroy and the loop ends.
  void DestroyWindow();

  // What the window system does with a message the game does not handle.
  void DefaultWindowProc(const WindowMessage& message);

  platform::Host& host;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<GraphicsDevice> graphicsDevice;
  std::unique_ptr<InputDevices> inputDevices;

  int mouseX = 0, mouseY = 0;
  bool leftButtonDown = false, middleButtonDown = false, rightButtonDown = false;
  std::string exeDir;    // the program's folder as a game path, with its trailing '\\'
  std::string title;     // CP932
  std::string helpPath;  // a document F1 opens; this program has none

  bool confirmExit = true;
  int windowWidth = 800, windowHeight = 600;
  int fullscreenWidth = 800, fullscreenHeight = 600;
  int fullscreenRefreshRate = 60;
  bool fullscreenRequested = false;
  double framesPerSecond = 60.0;
  bool frameSkip = true;
  bool pauseWhenInactive = true;

  // The frame timer: the last counter or tick reading, and the frames due but not yet moved.
  uint64_t lastCounter = 0;
  uint32_t lastTicks = 0;
  double frameAccumulator = 0.0;

 private:
  void Dispatch(const platform::Event& event);
  bool TranslateAccelerator(const platform::Event& event);
  double TakeElapsedFrames();
  void WaitForNextFrame();
  void ShowStartupFailure(bool suppressHint);

  bool started_ = false;
  bool quitPosted_ = false;
};
