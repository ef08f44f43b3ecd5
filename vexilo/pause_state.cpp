// Between instructions: the game tick counts the pause, takes a speed-up at every tenth point,
// and at the end of the pause shows the next instruction, or ends the game.
#include "platform/key_codes.h"
#include "vexilo/game_screen.h"
#include "vexilo/vexilo_program.h"

namespace {

constexpr uint32_t kAfterScoreBoxMilliseconds = 100;

void Tick(VexiloProgram& program) {
  GameRecord& r = program.record;
  bool speedUpScore = r.score >= 1 && r.score <= GameRecord::kLastSpeedUpScore;
  if (speedUpScore && r.score % 10 == 0 && !r.speedUpDone) {
    r.speedUpDone = true;
    r.speedUpShown = true;
    r.pauseLength = GameRecord::kSpeedUpPause;
  }
  if (speedUpScore && r.score % 10 != 0 && r.speedUpDone) r.speedUpDone = false;

  ++r.ticks;
  if (r.miss) --r.missBlink;
  if (r.ticks < r.pauseLength) return;

  r.countdown = 4;
  for (bool& raised : r.raised) raised = false;
  r.ticks = 0;
  program.ArmCountdown();
  r.speedUpShown = false;
  r.state = GameRecord::kInstruction;
  if (r.miss) {
    // After a miss's pause comes an empty one: no instruction, no countdown, flags down.
    r.instruction = -1;
    r.missBlink = -1;
    r.pauseLength = GameRecord::kShortPause;
    r.state = GameRecord::kPause;
    r.miss = false;
  } else {
    r.instruction = program.Random() % 4;
  }
  if (r.lives <= 0) {
    r.state = GameRecord::kTitle;
    program.SetTitle();
    program.ShowScoreBox();
    program.host().clock().Sleep(kAfterScoreBoxMilliseconds);
  }
}

}  // namespace

void HandlePause(VexiloProgram& program, const Message& m) {
  switch (m.kind) {
    case Message::Paint:
      PaintGameScreen(program.record, program.pictures, program.backBuffer);
      program.Present();
      break;
    case Message::KeyDown:
      if (m.virtualKey == platform::vk::RETURN) {
        // The game is given up without a word.
        program.SetTitle();
        program.record.state = GameRecord::kTitle;
      }
      break;
    case Message::Timer:
      if (m.timerId == VexiloProgram::kRepaintTimer) program.Invalidate();
      if (m.timerId == VexiloProgram::kGameTickTimer) Tick(program);
      break;
    default:
      break;
  }
}
