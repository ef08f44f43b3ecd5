#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tiltwell/settings.h"

namespace platform {
class Dialogs;
class Window;
}  // namespace platform

// One cell of a stage: a copy of its entry of the stage data's tile-type table, changed in
// place by play. Its fields are bytes, and play's arithmetic on them wraps as bytes do.
struct Cell {
  uint8_t kind = 0;  // 0 hole, 1 floor, 2 wall, 8 push, 64 switch, 65 gate, 255 goal
  uint8_t sheet = 0, column = 0, row = 0;  // where its picture is: tile sheet 0..7, 16 x 16 grid
  uint8_t grip = 0;   // floor grip 0..255, or a wall's restitution
  uint8_t param = 0;  // push code, switch presses left, or a gate's grip once open
  uint8_t spare = 0;
  uint8_t timer = 0;  // a switch's light
};

// The stage-set files, the binary stage data and the save file of the maze game: the part of
// STAGE that reads and writes them. A stage set names its data file, how many stages it holds,
// up to eight tile sheets, a background and a save file; the save file remembers how many of
// its stages have been cleared.
class StageFiles {
 public:
  static constexpr int kTableBytes = 2048;   // 256 tile types of 8 bytes
  static constexpr int kRecordBytes = 4224;  // one stage
  static constexpr int kMaxCells = 4096;
  static constexpr int kMaxStages = 4096;    // more describes no real set: refused

  // Loads stage set number k of the settings: 0, or 2 when the set names no data file or no
  // save file (or holds an impossible number of stages), or the error number of a file that
  // could not be opened. An unreadable data file is also reported in a box.
  int LoadSet(const Settings& settings, int k, platform::Dialogs& dialogs);
  // "ClearedStage" of the set's save file (0 when missing); also kept in storedCleared.
  int ReadSave(const Settings& settings);
  // Records a new cleared count; the save file (and its folder) is made when missing.
  void WriteSave(const Settings& settings, int cleared);

  // Stage n's cells, size, start and time limit, converted from its record; false when no
  // data is loaded, n is no stage of the set, or the record describes more than 4096 cells.
  bool LoadStage(int n);
  // "Tiltwell. ~ name - comment" while a stage is set up (even one of 0 x 0 cells), else
  // "Tiltwell.".
  void UpdateTitle(platform::Window& window) const;
  // Releases the data and the cells: nothing to move or draw until the next stage.
  void Free();

  // The set.
  bool dataLoaded = false;
  std::vector<uint8_t> data;
  int NumOfStages = 0;
  std::string GraphicName[8], SaveFileName, BGIMGName;
  int storedCleared = 0;
  // The stage. stageLoaded: a stage's grid is set up, from LoadStage until Free; a stage of
  // 0 x 0 cells (a record past the end of a short data file) counts as one.
  bool stageLoaded = false;
  std::vector<Cell> cells;
  int cols = 0, rows = 0, startColumn = 0, startRow = 0, timeLimitSeconds = 0;
  std::string name, comment;  // CP932, as the record holds them
};
