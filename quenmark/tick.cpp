// One tick: what each state of the run does, in its order.
#include "quenmark/game.h"

void QuenmarkGame::Tick(InputWord input) {
  Sprite& loading = sprites.screen[screen_slot::kLoading];
  Sprite& sideBar = sprites.screen[screen_slot::kSideBar];
  switch (gameState) {
    case kTitleState:
      UpdateScreenTexts();
      UpdateMenus(input);
      break;
    case kStartingState:
      // Raised and lowered within the tick: it is never on screen.
      loading.kind = 4;
      ResetPlayer();
      loading.kind = 0;
      gameState = kPlayingState;
      break;
    case kPlayingState:
      sideBar.kind = 4;
      UpdateScreenTexts();
      UpdatePlayer(input);
      if (worldFrozen != 1) {
        StageSchedule();
        FirePlayerShots(input);
        UpdateEnemies();
        FireVolleys();
        MoveShots();
        ResolveHits();
      }
      UpdatePlayerSprite();
      break;
    case kResultState:
      sideBar.kind = 0;
      UpdateScreenTexts();
      UpdateMenus(input);
      break;
    default:
      break;  // quitting: the shell ends the run
  }
}
