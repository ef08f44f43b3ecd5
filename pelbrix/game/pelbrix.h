#pragma once
#include <memory>
#include <string>

#include "pelbrix/bitmap_font.h"
#include "pelbrix/cgame.h"
#include "pelbrix/game/score_board.h"
#include "pelbrix/game/task_list.h"
#include "pelbrix/mesh.h"
#include "pelbrix/music_player.h"
#include "pelbrix/sound_player.h"
#include "pelbrix/texture.h"

// The dodging shooter's game object: its resources, the five task lists, the score and the
// best score. Move and Draw run the lists in their fixed orders; the drawing pass scores.
class CPelbrix : public CGame {
 public:
  // Capacities of the task lists, and their slots in bytes (the allocation granularity).
  static constexpr int kShipSlots = 2, kShipSlotBytes = 60;
  static constexpr int kBulletSlots = 2000, kBulletSlotBytes = 76;
  static constexpr int kEffectSlots = 2000, kEffectSlotBytes = 52;
  static constexpr int kSceneSlots = 10, kSceneSlotBytes = 56;
  static constexpr int kEnemySlots = 500, kEnemySlotBytes = 200;
  static constexpr int kEnemyMeshes = 6;
  static constexpr const char* kHighScoreFile = "Pelbrix.ini";

  CPelbrix(platform::Host& host, int argc, const char* const* argv);
  ~CPelbrix() override;

  void Move() override;
  void Draw() override;
  void OnResetDevice() override;

  // A new game from the title: score 0 at rate 50.
  void StartGame();
  // Plays track `index` of the track table from its start at full volume. The table has one
  // entry, so any other index changes nothing.
  void PlayMusic(int index);
  void SetMusicVolume(float volume);

  // The resource folder's files: exeDir + "..\\Files\\" + name.
  std::unique_ptr<Texture> LoadTexture(const std::string& name);
  std::unique_ptr<Mesh> LoadMesh(const std::string& name);  // name without ".x"
  std::unique_ptr<BitmapFont> LoadFont(const std::string& name, std::string_view table);
  std::unique_ptr<SoundEffect> LoadSound(const std::string& name);

  // The back buffer's height (the square play field's side) and width, in pixels.
  int fieldSize() const;
  int backBufferWidth() const;

  std::unique_ptr<Texture> titleImage, logosImage;
  std::unique_ptr<Mesh> enemyMeshes[kEnemyMeshes];
  std::unique_ptr<Mesh> shipMesh;
  std::unique_ptr<Mesh> bulletMeshes[2];
  std::unique_ptr<BitmapFont> font;
  SoundPlayer soundPlayer;
  std::unique_ptr<SoundEffect> crashSound;
  MusicPlayer music;

  CTaskList shipList{kShipSlotBytes, kShipSlots};
  CTaskList bulletList{kBulletSlotBytes, kBulletSlots};
  CTaskList effectList{kEffectSlotBytes, kEffectSlots};
  CTaskList sceneList{kSceneSlotBytes, kSceneSlots};
  CTaskList enemyList{kEnemySlotBytes, kEnemySlots};

  ScoreBoard scores;
  CMover* currentShip = nullptr;  // the ship enemies aim at and that makes bullets score
  bool returnToTitle = false;     // set by the game-over scene, handled at the end of Move
  bool hardMode = false;

 private:
  std::string ResourcePath(const std::string& name) const;
  void DrawScorePanel();
};
