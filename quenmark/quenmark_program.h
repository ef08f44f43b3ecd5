#pragma once
#include <memory>

#include "platform/host.h"
#include "platform/named_lock.h"
#include "quenmark/game.h"
#include "quenmark/keyboard.h"
#include "quenmark/sprite_graphics.h"

// The side-bar shooter's program: one instance, a window over the whole screen, and a timer
// whose every tick draws a frame and then advances the game by one step.
class QuenmarkProgram {
 public:
  // The game takes the whole display: the back buffer has the desktop's size and the picture's
  // aspect ratio is that of the display. Windowed, the back buffer is the window's client area
  // and each tick writes a diagnostic line into the title.
  static constexpr bool kFullScreen = true;
  static constexpr int kFailed = int(0x80004005);  // what the program returns after a failure box
  static constexpr double kTickMilliseconds = 1000.0 / 60;

  explicit QuenmarkProgram(platform::Host& host) : host_(host), graphics_(host) {}
  int Run();

  // In pieces, for tests: start-up (kFailed or 0 when it ends the program at once, -1 to go on),
  // then one message of the loop at a time (false once the loop has ended).
  int StartUp();
  bool Step();
  void ShutDown();

  QuenmarkGame& game() { return *game_; }
  SpriteGraphics& graphics() { return graphics_; }
  platform::Window* window() const { return window_.get(); }
  float sampledRate() const { return rate_; }

 private:
  int Fail(const char* messageUtf8);
  void OnTimer();
  void Tick();

  platform::Host& host_;
  platform::NamedLock instance_;
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<Keyboard> keyboard_;
  SpriteGraphics graphics_;
  std::unique_ptr<QuenmarkGame> game_ = std::make_unique<QuenmarkGame>();
  bool quit_ = false;
  // When the next tick is due (ms on the clock), so that ticks come at most 60 times a second.
  double nextTick_ = 0;
  // The frame-rate sample: every 21 ticks, the rate of the one tick interval just ended.
  int sampleCountdown_ = 20;
  float previousTick_ = 0, rate_ = 0;
};

int QuenmarkMain(platform::Host& host);
