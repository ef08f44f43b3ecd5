#include "assets/tiltwell/sample_maze.h"

#include <algorithm>

#include "assets/tiltwell/floor_tiles.h"

namespace assets::tiltwell {
namespace {

struct SheetCell {
  char letter;
  int column, row;
};

constexpr SheetCell kCells[] = {
    {'.', 0, 0}, {'c', 1, 0}, {'i', 2, 0}, {'w', 3, 0}, {'s', 4, 0},
    {'#', 0, 1}, {'r', 1, 1}, {'u', 2, 1}, {'m', 3, 1},
    {'o', 0, 2}, {'O', 1, 2}, {'q', 2, 2},
    {'>', 0, 3}, {'v', 2, 3}, {'<', 4, 3}, {'^', 6, 3},
    {'0', 0, 4}, {'1', 1, 4}, {'2', 2, 4}, {'3', 3, 4}, {'L', 2, 5},
    {'A', 0, 6}, {'a', 1, 6}, {'B', 2, 6}, {'b', 3, 6},
    {'G', 0, 7}, {'S', 1, 7},
};

}  // namespace

std::vector<std::string> TitleMaze() {
  return {
      "S..#ccccq..G",
      ".#.#c##c#.#.",
      ".#..>>>v#.#.",
      ".####..v#iiB",
      "..o.r#.L#i#.",
      "#.#.....#O#.",
      "ww..uu#.A...",
      "ww2...#.#.o.",
  };
}

std::vector<std::string> PreviewMaze() {
  return {
      "##################",
      "#S..o#ccccq#iGii.#",
      "#.##.#c##cc#i##ii#",
      "#.#..>>>v#c#iOB..#",
      "#.#r##.#v#c...b..#",
      "#.2...www.cc#uu..#",
      "#.###.wLw##c#..u.#",
      "#..o#.www.#c..#..#",
      "##A##.....#####.##",
      "#ss..>>>^.ssss#..#",
      "#sss##.##.s##s#..#",
      "#s..#...o..#ss...#",
      "#..3#.##.#...#.1.#",
      "##################",
  };
}

platform::Image DrawMaze(const platform::Image& sheet, const std::vector<std::string>& rows) {
  size_t columns = 0;
  for (const std::string& row : rows) columns = std::max(columns, row.size());
  platform::Image maze(int(columns) * kCell, int(rows.size()) * kCell, 0x00000000);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      for (const SheetCell& cell : kCells)
        if (cell.letter == rows[r][c])
          for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
              maze.at(int(c) * kCell + x, int(r) * kCell + y) = sheet.at(cell.column * kCell + x, cell.row * kCell + y);
  return maze;
}

}  // namespace assets::tiltwell
