// An instruction is shown: the flag's key raises it and scores; a wrong key or the countdown
// running out is a miss, which takes effect when the screen is next painted.
#include "platform/key_codes.h"
#include "vexilo/game_screen.h"
#include "vexilo/vexilo_program.h"

namespace {

void TakeMiss(GameRecord& r) {
  for (bool& raised : r.raised) raised = true;
  r.pauseLength = GameRecord::kMissPause;
  r.missBlink = GameRecord::kMissBlinkStart;
  --r.lives;
  r.state = GameRecord::kPause;
}

void OnKey(VexiloProgram& program, uint8_t virtualKey) {
  GameRecord& r = program.record;
  if (virtualKey == platform::vk::RETURN) {
    program.SetTitle();
    r.state = GameRecord::kTitle;
    return;
  }
  // What counts is which of the four keys are down now, not the key of the message; so a key
  // still held from the last instruction answers this one on its next repeat.
  for (int flag = 0; flag < 4; ++flag) {
    if (program.KeyHeld(flag) && r.instruction == flag) {
      r.instruction = -1;
      r.pauseLength = GameRecord::kShortPause;
      ++r.score;
      r.raised[flag] = true;
      r.state = GameRecord::kPause;
      return;
    }
  }
  for (int flag = 0; flag < 4; ++flag)
    if (program.KeyHeld(flag)) r.miss = true;
}

}  // namespace

void HandleInstruction(VexiloProgram& program, const Message& m) {
  GameRecord& r = program.record;
  switch (m.kind) {
    case Message::Paint:
      PaintGameScreen(r, program.pictures, program.backBuffer);
      program.Present();
      if (r.miss) TakeMiss(r);
      break;
    case Message::KeyDown:
      OnKey(program, m.virtualKey);
      break;
    case Message::Timer:
      if (m.timerId == VexiloProgram::kRepaintTimer) program.Invalidate();
      if (m.timerId == VexiloProgram::kCountdownTimer && --r.countdown < 0) r.miss = true;
      break;
    default:
      break;
  }
}
