#include "pelbrix/game/crash_effect.h"

#include "pelbrix/game/my_ship.h"
#include "pelbrix/game/pelbrix.h"

CMyShipCrash::CMyShipCrash(CTaskList* list, float px, float py) : CEffect(list) {
  x = px;
  y = py;
  CPelbrix& game = *list->game;
  if (game.crashSound) game.soundPlayer.PlayEffect(*game.crashSound);
}

bool CMyShipCrash::Move() {
  if (++frameCount < kFramesToRevival) return true;
  CPelbrix& game = *list->game;
  game.scores.LowerRateAfterCrash();
  // The ship list moves after the effect list: the reviving ship moves in this same frame.
  game.currentShip = CreateTask<CRevivalMyShip>(game.shipList, x, y);
  return false;
}
