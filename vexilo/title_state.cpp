// The title: its picture, and Enter or a click to start a game.
#include "platform/key_codes.h"
#include "vexilo/game_screen.h"
#include "vexilo/vexilo_program.h"

namespace {

constexpr int kExtraPictureOdds = 127;

void StartGame(VexiloProgram& program) {
  GameRecord& r = program.record;
  r.speedUpDone = false;
  r.speedUpShown = false;
  r.score = 0;
  r.lives = GameRecord::kLives;
  // A pause that is already over: the first instruction comes with the first tick.
  r.pauseLength = GameRecord::kShortPause;
  r.ticks = 127;
  r.instruction = -1;
  r.miss = false;
  r.countdown = 4;
  for (bool& raised : r.raised) raised = false;
  r.missBlink = -1;
  r.extraPictureRoll = program.Random() % kExtraPictureOdds;
  r.state = GameRecord::kPause;
}

}  // namespace

void HandleTitle(VexiloProgram& program, const Message& m) {
  switch (m.kind) {
    case Message::Paint:
      PaintTitleScreen(program.pictures, program.backBuffer);
      program.Present();
      break;
    case Message::KeyDown:
      if (m.virtualKey == platform::vk::RETURN) StartGame(program);
      break;
    case Message::LeftButtonDown:
      StartGame(program);
      break;
    case Message::Timer:
      if (m.timerId == VexiloProgram::kRepaintTimer) program.Invalidate();
      break;
    case Message::Other:
      break;
  }
}
