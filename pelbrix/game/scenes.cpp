#include "pelbrix/game/scenes.h"

#include "pelbrix/game/pelbrix.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kGrey = 0xFF404040;
constexpr uint32_t kShadow = 0x80000000;
constexpr int kSelectButton = 0;  // Z, Enter or Space
constexpr int kOtherSelectButton = 2;  // C

// The middle of the square play field, in pixels.
int Middle(const CPelbrix& game) { return game.fieldSize() / 2; }

}  // namespace

bool CTitle::Move() {
  CPelbrix& game = *list->game;
  const PlayerInput& input = game.inputDevices->records[0];
  const bool select = input.buttons[kSelectButton] || input.buttons[kOtherSelectButton];
  if (!inputHeld) {
    // Up first, then down: both pressed in one frame leave the cursor on EXIT.
    if (input.up && cursor > 0) --cursor;
    if (input.down && cursor < 1) ++cursor;
    if (input.left && input.right && input.down) game.hardMode = true;  // shown nowhere
    // The selection acts on the item the cursor has just moved to.
    if (select && cursor == 0) {
      game.StartGame();
      return false;
    }
    if (select && cursor == 1) game.PostQuitMessage();
  }
  inputHeld = input.up || input.down || select;
  return true;
}

void CTitle::Draw() {
  CPelbrix& game = *list->game;
  const float a = float(Middle(game));
  Texture& title = *game.titleImage;
  const float w = float(title.imageWidth), h = float(title.imageHeight);
  title.Draw(a - 298, a - 298, w, h, 0, 0, 1, 1, kGrey);  // its shadow
  title.Draw(a - 300, a - 300, w, h, 0, 0, 1, 1, kWhite);
  game.font->DrawText("START", a - 200, a + 90, cursor == 0 ? kWhite : kGrey);
  game.font->DrawText("EXIT", a - 200, a + 122, cursor == 1 ? kWhite : kGrey);
}

bool CReady::Move() {
  if (++frameCount <= kFrames) return true;
  // The stage makes its first script step in this same frame: the scene list is moving.
  CreateTask<CStage>(*list);
  return false;
}

void CReady::Draw() {
  CPelbrix& game = *list->game;
  const float a = float(Middle(game));
  game.font->DrawShadowText("GET READY", a - 72, a - 16, kWhite, kShadow);
}

CStage::CStage(CTaskList* list) : CScene(list) { list->game->script->Reset(); }

bool CStage::Move() {
  list->game->script->Step();
  return true;
}

CGameOver::CGameOver(CTaskList* list) : CScene(list) {
  CPelbrix& game = *list->game;
  // KEEP: equal counts as best, so a score of 0 against a best of 0 is "the best score".
  bestScore = game.scores.score.Compare(game.scores.highScore) == 0;
  game.hardMode = false;
}

bool CGameOver::Move() {
  if (++frameCount <= kFrames) return true;
  list->game->returnToTitle = true;
  return false;
}

void CGameOver::Draw() {
  CPelbrix& game = *list->game;
  const float a = float(Middle(game));
  if (bestScore) {
    game.font->DrawShadowText("GAME OVER", a - 72, a - 32, kWhite, kShadow);
    game.font->DrawShadowText("YOU'VE GOT THE BEST SCORE!", a - 192, a, kWhite, kShadow);
  } else {
    game.font->DrawShadowText("GAME OVER", a - 72, a - 16, kWhite, kShadow);
  }
}

CVolumeChanger::CVolumeChanger(CTaskList* list, int frames, float start, float end)
    : CScene(list), remaining(frames), volume(start),
      step(frames > 1 ? (end - start) / float(frames - 1) : end - start) {}

bool CVolumeChanger::Move() {
  list->game->SetMusicVolume(volume);
  volume += step;
  return --remaining > 0;
}
