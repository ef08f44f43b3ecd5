#pragma once
#include "pelbrix/game/task_list.h"

// The game's flow, as tasks of the scene list: each scene hands over to the next by making it
// and leaving. Scenes draw last, in screen pixels of the play field.
class CScene : public CMover {
 public:
  using CMover::CMover;
};

// The title menu: START or EXIT, chosen with up and down and the select key; holding left and
// right and pressing down also sets the hidden hard mode. Every action needs a fresh press.
class CTitle : public CScene {
 public:
  using CScene::CScene;
  bool Move() override;
  void Draw() override;

  int cursor = 0;  // 0 START, 1 EXIT
  bool inputHeld = true;
};

// "GET READY" for 50 frames, then the stage.
class CReady : public CScene {
 public:
  static constexpr int kFrames = 50;
  using CScene::CScene;
  bool Move() override;
  void Draw() override;

  int frameCount = 0;
};

// The stage: one step of the script a frame, until the return to the title.
class CStage : public CScene {
 public:
  explicit CStage(CTaskList* list);
  bool Move() override;
};

// "GAME OVER" for 150 frames (with the best-score line when the score equals the best), then
// the return to the title. Making it clears the hard mode.
class CGameOver : public CScene {
 public:
  static constexpr int kFrames = 150;
  explicit CGameOver(CTaskList* list);
  bool Move() override;
  void Draw() override;

  int frameCount = 0;
  bool bestScore;
};

// Sets the music's volume once a frame for n frames, in equal steps from start to end
// inclusive; with n of 1 or less it sets the start volume once.
class CVolumeChanger : public CScene {
 public:
  CVolumeChanger(CTaskList* list, int frames, float start, float end);
  bool Move() override;

  int remaining;
  float volume;
  float step;
};
