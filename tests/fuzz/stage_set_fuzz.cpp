// libFuzzer target: any bytes as a maze stage set and its data file, loaded by the game's
// reader; every stage it names is started and the ball rolled over it for a while.
// The input: two bytes giving the length of the set file's text, that text, then the data.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/headless/headless_host.h"
#include "tiltwell/stage.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void Write(const char* path, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(path, "wb");
  Check(file != nullptr);
  if (size) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

// The working folder of every input: "stages/std.ini" and "stages/std.dat". The game reads
// them from its working folder, so each input runs there; the fuzzer's own folder is given
// back after it, for the corpus paths it reads between inputs (they may be relative).
struct Folder {
  Folder() {
    char pattern[] = "/tmp/stage-set-fuzz-XXXXXX";
    Check(mkdtemp(pattern) != nullptr);
    path = pattern;
    Check(mkdir((path + "/stages").c_str(), 0700) == 0);
    char here[4096];
    Check(getcwd(here, sizeof here) != nullptr);
    home = here;
  }
  std::string path, home;
};

struct InFolder {
  explicit InFolder(const Folder& folder) : home(folder.home) { Check(chdir(folder.path.c_str()) == 0); }
  ~InFolder() { Check(chdir(home.c_str()) == 0); }
  std::string home;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Folder* folder = new Folder;
  static platform::HeadlessHost* host = new platform::HeadlessHost;
  if (size < 2) return 0;
  InFolder inFolder(*folder);
  const size_t textSize = std::min(size - 2, size_t(data[0] | data[1] << 8));
  Write("stages/std.ini", data + 2, textSize);
  Write("stages/std.dat", data + 2 + textSize, size - 2 - textSize);

  Settings settings;
  settings.StagesDir = "stages";
  settings.SaveFileDir = "sav";
  settings.stageSets[0] = "std.ini";
  STAGE stage;
  stage.LoadSet(settings, 0, host->dialogs());
  Check(stage.NumOfStages <= StageFiles::kMaxStages || !stage.dataLoaded);
  const int last = std::min(stage.NumOfStages, 6);
  for (int n = -1; n <= last; ++n) {
    Ball ball;
    if (stage.Start(n, ball) != 0) continue;
    Check(stage.cells.size() == size_t(stage.cols) * size_t(stage.rows));
    Check(stage.cells.size() <= size_t(StageFiles::kMaxCells));
    for (int update = 0; update < 200; ++update) {
      stage.MoveBall(ball, update / 50 % 3 - 1, update / 70 % 3 - 1);
      if (ball.state == Ball::kFalling && ball.counter == 0) Check(stage.ResetBall(ball) == 0);
      Check(std::isfinite(ball.x) && std::isfinite(ball.y));
    }
    for (int i = -1; i <= int(stage.cells.size()); ++i) Check(stage.CellRow(i) >= 0 && stage.CellRow(i) <= 256);
  }
  stage.Free();
  return 0;
}
