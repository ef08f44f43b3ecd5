#pragma once
// Small stage sets for the maze game's tests: a set file and a data file written into a
// working folder, with stages made of rows of characters.
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tiltwell/stage_files.h"

namespace maze_test {

// One stage: rows of '.' (floor, full grip), '#' (wall), 'o' (hole), 'G' (goal); the ball
// starts on 'S' (a floor).
struct StageSpec {
  std::vector<std::string> rows;
  int seconds = 60;
  std::string nameCp932 = "name", commentCp932 = "comment";
};

inline std::string StageData(const std::vector<StageSpec>& stages) {
  std::string data(StageFiles::kTableBytes + stages.size() * StageFiles::kRecordBytes, '\0');
  // Types: 0 hole, 1 floor, 2 wall, 3 goal; all on sheet 0.
  const uint8_t types[4][8] = {{0, 0x00, 2}, {1, 0x01, 0, 0, 255}, {2, 0x00, 1, 0, 127}, {255, 0x00, 7, 0, 255}};
  for (int t = 0; t < 4; ++t) std::copy(types[t], types[t] + 8, data.begin() + 8 * t);
  for (size_t n = 0; n < stages.size(); ++n) {
    char* record = data.data() + StageFiles::kTableBytes + n * StageFiles::kRecordBytes;
    const StageSpec& s = stages[n];
    record[0] = char(s.rows[0].size());
    record[1] = char(s.rows.size());
    record[6] = char(s.seconds & 0xFF);
    record[7] = char(s.seconds >> 8);
    s.nameCp932.copy(record + 8, 24);
    s.commentCp932.copy(record + 32, 96);
    size_t i = 0;
    for (size_t r = 0; r < s.rows.size(); ++r) {
      for (size_t c = 0; c < s.rows[r].size(); ++c, ++i) {
        const char k = s.rows[r][c];
        if (k == 'S') record[4] = char(c), record[5] = char(r);
        record[128 + i] = char(k == 'o' ? 0 : k == '#' ? 2 : k == 'G' ? 3 : 1);
      }
    }
  }
  return data;
}

// "stages/std.ini" naming "std.dat", the given tile sheet and "back.png", saved in "std.sav".
inline void WriteStageSet(const std::string& folder, const std::vector<StageSpec>& stages,
                          const std::string& sheet = "tiles.png") {
  testing_support::MakeFolder(folder + "/stages");
  testing_support::WriteFile(folder + "/stages/std.ini",
                             "[Stages]\r\nStagesFileName=std.dat\r\nNumOfStages=" + std::to_string(stages.size()) +
                                 "\r\nGraphicName0=" + sheet + "\r\nSaveFileName=std.sav\r\nBGIMGName=back.png\r\n");
  testing_support::WriteFile(folder + "/stages/std.dat", StageData(stages));
}

}  // namespace maze_test
