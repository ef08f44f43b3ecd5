#include "assets/tiltwell/stage_set.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "assets/tiltwell/stage_maps.h"
#include "assets/tiltwell/tile_types.h"
#include "platform/atomic_file.h"
#include "platform/text_encoding.h"

namespace assets {
namespace {

constexpr size_t kTableEntries = 256, kEntryBytes = 8;
constexpr size_t kRecordBytes = 4224, kCellsAt = 128, kMaxCells = 4096;
constexpr size_t kNameAt = 8, kNameBytes = 24, kCommentAt = 32, kCommentBytes = 96;

std::string TileTable() {
  std::string table(kTableEntries * kEntryBytes, '\0');
  const std::vector<TileType>& types = TiltwellTileTypes();
  for (size_t i = 0; i < types.size(); ++i) {
    char* entry = &table[i * kEntryBytes];
    entry[0] = char(types[i].kind);
    entry[1] = char(types[i].column);  // sheet 0 in the high four bits
    entry[2] = char(types[i].row);
    entry[4] = char(types[i].grip);
    entry[5] = char(types[i].param);
    // [3] unused, [6] spare and [7] a switch's starting light stay 0.
  }
  return table;
}

bool Refuse(size_t stage, const char* why) {
  std::fprintf(stderr, "make_assets: tiltwell stage %zu: %s\n", stage + 1, why);
  return false;
}

// A CP932 text into its fixed field: zero-filled, and refused when it does not fit.
bool PutText(std::string& record, size_t at, size_t bytes, const char* utf8) {
  std::optional<std::string> text = platform::Cp932FromUtf8(utf8);
  if (!text || text->empty() || text->size() > bytes) return false;
  record.replace(at, text->size(), *text);
  return true;
}

bool StageRecord(size_t n, const StageMap& map, std::string& record) {
  record.assign(kRecordBytes, '\0');
  const size_t rows = map.rows.size(), cols = rows ? std::strlen(map.rows[0]) : 0;
  if (rows == 0 || cols == 0 || rows > 255 || cols > 255 || rows * cols > kMaxCells)
    return Refuse(n, "no cells, or more than a record holds");
  if (map.timeLimitSeconds <= 0 || map.timeLimitSeconds > 0xFFFF) return Refuse(n, "time limit out of range");
  int starts = 0;
  for (size_t r = 0; r < rows; ++r) {
    if (std::strlen(map.rows[r]) != cols) return Refuse(n, "rows of different lengths");
    for (size_t c = 0; c < cols; ++c) {
      const int index = TiltwellTileIndex(map.rows[r][c]);
      if (index < 0) return Refuse(n, "a character that stands for no tile");
      record[kCellsAt + r * cols + c] = char(index);
      if (map.rows[r][c] != 'S') continue;
      ++starts;
      record[4] = char(c);
      record[5] = char(r);
    }
  }
  if (starts != 1) return Refuse(n, "not exactly one start cell");
  record[0] = char(cols);
  record[1] = char(rows);
  record[6] = char(map.timeLimitSeconds & 0xFF);  // little-endian seconds
  record[7] = char(map.timeLimitSeconds >> 8);
  if (!PutText(record, kNameAt, kNameBytes, map.name)) return Refuse(n, "name empty or too long");
  if (!PutText(record, kCommentAt, kCommentBytes, map.comment)) return Refuse(n, "comment empty or too long");
  return true;
}

}  // namespace

bool WriteTiltwellStageSet(const std::string& gameFolder) {
  const std::vector<StageMap>& maps = TiltwellStageMaps();
  std::string data = TileTable();
  for (size_t n = 0; n < maps.size(); ++n) {
    std::string record;
    if (!StageRecord(n, maps[n], record)) return false;
    data += record;
  }
  const std::string set =
      "[Stages]\r\n"
      "StagesFileName=std.dat\r\n"
      "NumOfStages=" + std::to_string(maps.size()) + "\r\n"
      "GraphicName0=tiles.png\r\n"
      "SaveFileName=std.sav\r\n"
      "BGIMGName=back.png\r\n";
  const std::string folder = gameFolder + "/stages";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!platform::ReplaceFile(folder + "/std.dat", data) || !platform::ReplaceFile(folder + "/std.ini", set)) {
    std::fprintf(stderr, "make_assets: could not write the tiltwell stage set in %s\n", folder.c_str());
    return false;
  }
  return true;
}

}  // namespace assets
