#pragma once
#include <memory>

#include "platform/host.h"
#include "vexilo/game_record.h"
#include "vexilo/pictures.h"
#include "vexilo/random_sequence.h"

// What the window procedure hands a state's handler.
struct Message {
  enum Kind { Paint, KeyDown, LeftButtonDown, Timer, Other } kind = Other;
  uint8_t virtualKey = 0;  // KeyDown
  int timerId = 0;         // Timer
  platform::Event event;
};

// The flag game: one window, three timers, and a handler for each state of the game, driven
// by the window's messages.
class VexiloProgram {
 public:
  static constexpr int kRepaintTimer = 0;
  static constexpr int kCountdownTimer = 1;
  static constexpr int kGameTickTimer = 222;
  static constexpr uint32_t kRepaintMicros = 17000;
  // The game tick is asked for every 3 ms, but a Windows timer runs at the system's timer
  // granularity, 64 times a second; the pauses (15, 45 and 100 ticks) were made for that pace,
  // so the tick comes every 1/64 s here: 0.23 s, 0.70 s and 1.56 s.
  static constexpr uint32_t kGameTickMicros = 15625;
  static constexpr uint32_t kFirstCountdownMicros = 1000000;

  explicit VexiloProgram(platform::Host& host);
  ~VexiloProgram();

  // False when the window cannot be made.
  bool started() const { return window_ != nullptr; }
  // Takes one message and handles it; false once the window is gone.
  bool Step();
  // Steps until the window is gone; the exit code.
  int Run();

  GameRecord record;
  Pictures pictures;
  platform::Image backBuffer;
  platform::Window* window() const { return window_.get(); }

  // The handlers' means (used by the state handlers).
  void Invalidate() { invalid_ = true; }
  void Present();
  void SetTitle();
  void ArmCountdown();
  void ShowScoreBox();
  bool KeyHeld(int flag) const;
  int Random() { return random_.Next(); }
  platform::Host& host() { return host_; }

 private:
  void Dispatch(const Message& message);

  platform::Host& host_;
  std::unique_ptr<platform::Window> window_;
  RandomSequence random_;
  bool invalid_ = false;
  bool quit_ = false;
};

// The handlers of the three states.
void HandleTitle(VexiloProgram& program, const Message& message);
void HandlePause(VexiloProgram& program, const Message& message);
void HandleInstruction(VexiloProgram& program, const Message& message);

int VexiloMain(platform::Host& host);
