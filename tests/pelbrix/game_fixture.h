#pragma once
#include <string>

#include "pelbrix/game/pelbrix.h"
#include "platform/headless/headless_host.h"
#include "tests/support/args.h"
#include "tests/support/environment.h"

// The shooter's game object on the headless backend, with the built content and a working
// folder of its own, for tests of the game's tasks one frame at a time.
class ShooterGame : public ::testing::Test {
 protected:
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions o;
    o.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
    return o;
  }
  ShooterGame() : game(host, 1, testing_support::Args({}).argv()) {}

  PlayerInput& input() { return game.inputDevices->records[0]; }
  // One frame of the lists in the game's order, without reading the keyboard.
  void Frame() {
    game.bulletList.MoveAll();
    game.enemyList.MoveAll();
    game.effectList.MoveAll();
    game.shipList.MoveAll();
    game.sceneList.MoveAll();
  }
  int Count(const CTaskList& list) const { return list.capacity() - list.freeCount(); }
  CNormalMyShip* NormalShipAt(float x, float y) {
    auto* ship = CreateTask<CNormalMyShip>(game.shipList, x, y);
    game.currentShip = ship;
    return ship;
  }

  testing_support::TempWorkingFolder work;
  platform::HeadlessHost host{Options()};
  CPelbrix game;
};
