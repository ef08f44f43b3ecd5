#pragma once
#include <memory>
#include <string>
#include <vector>

#include <algorithm>

#include "pelbrix/bitmap_font.h"
#include "pelbrix/cgame.h"
#include "pelbrix/game/bullets.h"
#include "pelbrix/game/crash_effect.h"
#include "pelbrix/game/enemies.h"
#include "pelbrix/game/mesh_batch.h"
#include "pelbrix/game/my_ship.h"
#include "pelbrix/game/scenes.h"
#include "pelbrix/game/script.h"
#include "pelbrix/game/score_board.h"
#include "pelbrix/game/task_list.h"
#include "pelbrix/mesh.h"
#include "pelbrix/music_player.h"
#include "pelbrix/random_generator.h"
#include "pelbrix/sound_player.h"
#include "pelbrix/texture.h"

// The slot of a task list: the size the list was made for, or its largest task class where that
// is larger (pointers make classes larger on a 64-bit build); never one that overflows.
template <typename... Tasks>
constexpr int SlotBytes(int bytes) {
  return std::max({bytes, int(sizeof(Tasks))...});
}

// The dodging shooter's game object: its resources, the five task lists, the score and the
// best score. Move and Draw run the lists in their fixed orders; the drawing pass scores.
class CPelbrix : public CGame {
 public:
  // Capacities of the task lists, and their slots in bytes (the allocation granularity).
  static constexpr int kShipSlots = 2;
  static constexpr int kShipSlotBytes = SlotBytes<CNormalMyShip, CRevivalMyShip, CAppearingMyShip>(60);
  static constexpr int kBulletSlots = 2000;
  static constexpr int kBulletSlotBytes = SlotBytes<CBullet, CDirBullet, CAimBullet>(76);
  static constexpr int kEffectSlots = 2000;
  static constexpr int kEffectSlotBytes = SlotBytes<CMyShipCrash>(52);
  static constexpr int kSceneSlots = 10;
  static constexpr int kSceneSlotBytes = SlotBytes<CTitle, CReady, CStage, CGameOver, CVolumeChanger>(56);
  static constexpr int kEnemySlots = 500;
  static constexpr int kEnemySlotBytes = SlotBytes<CEneA, CEneB, CEneC, CEneD, CEneE, CEneF>(200);
  static constexpr int kEnemyMeshes = 6;
  static constexpr const char* kHighScoreFile = "Pelbrix.ini";
  static constexpr const char* kScriptFile = "script.txt";

  CPelbrix(platform::Host& host, int argc, const char* const* argv);
  ~CPelbrix() override;

  void Move() override;
  void Draw() override;
  void OnResetDevice() override;

  // The title menu in the scene list: at the start and on each return to the title.
  void ShowTitle();
  // A new game from the title: score 0 at rate 50, the ship flying in as the live ship, and
  // "GET READY".
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
  // Six instances of the enemies' mesh (a kind draws with one), the ship's, and the two bullet
  // meshes in this order: "bullet", "bullet2". The game object owns them (meshes_).
  Mesh* enemyMeshes[kEnemyMeshes] = {};
  Mesh* shipMesh = nullptr;
  Mesh* bulletMeshes[2] = {};
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
  bool hardMode = false;            // read by every enemy at every move
  RandomGenerator random;           // the enemies' draws
  std::unique_ptr<CScript> script;  // the stage, from "script.txt"

 private:
  std::vector<std::unique_ptr<Mesh>> meshes_;
  MeshBatch batch_{kBulletSlots};  // bullets and enemies, drawn in runs of one mesh

  Mesh* Keep(std::unique_ptr<Mesh> mesh);
  // Every task removed, list by list: bullets, effects, enemies, ship, scenes.
  void ClearLists();
  std::string ResourcePath(const std::string& name) const;
  void DrawScorePanel();
};
