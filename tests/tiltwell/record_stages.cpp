// Finds a winning input for every stage of the standard set with the autopilot and writes it
// as tests/tiltwell/recordings/std_NN.txt. Run by hand after changing a stage or its route:
//   cmake --build <build> --target tiltwell_record_stages tiltwell_content
//   <build>/tests/tiltwell_record_stages [--trace] [<stages folder> [<recordings folder>]]
// --trace draws every stage with the cells the ball crossed; an unsolved stage is always drawn.
#include <cstdio>
#include <string>

#include "platform/atomic_file.h"
#include "platform/file_read.h"
#include "platform/text_encoding.h"
#include "tests/tiltwell/autopilot.h"
#include "tests/tiltwell/recording.h"
#include "tests/tiltwell/stage_routes.h"
#include "tiltwell/stage.h"

namespace {

// The most patient style that clears the stage without a fall (the most updates between key
// changes, as a person plays), and the fastest among those; else the flight that got furthest.
bool BestFlight(STAGE& stage, int n, autopilot::Flight& best, int& hold) {
  for (int h : {10, 8, 6, 4, 2, 1}) {
    bool found = false;
    for (float braking : {0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f}) {
      for (float slack : {0.05f, 0.1f, 0.2f, 0.3f}) {
        autopilot::Flight flight =
            autopilot::Fly(stage, n, StandardStageRoutes()[size_t(n)], {braking, slack, h});
        if (!flight.cleared || flight.falls) {
          if (!found && flight.reached > best.reached) best = flight;
          continue;
        }
        if (!found || flight.updates < best.updates) best = flight;
        found = true;
      }
    }
    if (found) {
      hold = h;
      return true;
    }
  }
  return false;
}

char KindSymbol(const Cell& cell) {
  switch (cell.kind) {
    case STAGE::kWall: return '#';
    case STAGE::kHole: return 'o';
    case STAGE::kGoal: return 'G';
    case STAGE::kPush: return '>';
    case STAGE::kSwitch: return 's';
    case STAGE::kGate: return 'A';
    default: return cell.grip == 0 ? '_' : '.';
  }
}

// The stage's cells by kind, with every cell the ball's centre crossed in the flight marked '+'.
void PrintTrace(STAGE& stage, int n, const std::vector<uint8_t>& keys) {
  Ball ball;
  stage.Start(n, ball);
  std::vector<bool> crossed(stage.cells.size(), false);
  for (uint8_t k : keys) {
    stage.MoveBall(ball, recording::TiltX(k), recording::TiltY(k));
    if (ball.state == Ball::kFalling && ball.counter == 0) stage.ResetBall(ball);
    const int c = int(ball.x) / STAGE::kCellSize, r = int(ball.y) / STAGE::kCellSize;
    if (c >= 0 && r >= 0 && c < stage.cols && r < stage.rows) crossed[size_t(r * stage.cols + c)] = true;
  }
  for (int r = 0; r < stage.rows; ++r) {
    std::string line;
    for (int c = 0; c < stage.cols; ++c) {
      const size_t i = size_t(r * stage.cols + c);
      line += crossed[i] ? '+' : KindSymbol(stage.cells[i]);
    }
    std::printf("       %s\n", line.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool trace = argc > 1 && std::string(argv[1]) == "--trace";
  if (trace) --argc, ++argv;
  const std::string stages = argc > 1 ? argv[1] : GAMES_LAYOUT_DIR "/tiltwell/stages";
  const std::string out = argc > 2 ? argv[2] : TESTS_SOURCE_DIR "/tiltwell/recordings";
  STAGE stage;
  std::string bytes;
  if (!platform::ReadWholeFile(stages + "/std.dat", bytes) || bytes.size() < size_t(StageFiles::kTableBytes)) {
    std::fprintf(stderr, "no stage data in %s\n", stages.c_str());
    return 1;
  }
  stage.data.assign(bytes.begin(), bytes.end());
  stage.NumOfStages = int((bytes.size() - StageFiles::kTableBytes) / StageFiles::kRecordBytes);
  stage.dataLoaded = true;
  if (stage.NumOfStages != int(StandardStageRoutes().size())) {
    std::fprintf(stderr, "%d stages but %zu routes\n", stage.NumOfStages, StandardStageRoutes().size());
    return 1;
  }
  int failures = 0;
  std::printf("stage  size    limit  solved in  limit/solution  key hold  name\n");
  for (int n = 0; n < stage.NumOfStages; ++n) {
    autopilot::Flight flight;
    int hold = 0;
    const bool found = BestFlight(stage, n, flight, hold);
    stage.LoadStage(n);
    const std::string name = platform::Utf8FromCp932(stage.name);
    if (!found) {
      PrintTrace(stage, n, flight.keys);
      std::printf("%5d  not solved: %d of %zu waypoints, %s after %d updates  %s\n", n + 1, flight.reached,
                  StandardStageRoutes()[size_t(n)].size(), flight.falls ? "fell" : "stuck", flight.updates,
                  name.c_str());
      ++failures;
      continue;
    }
    const autopilot::Replay replay = autopilot::Play(stage, n, flight.keys);
    if (replay.clearedAt + 1 != flight.updates || !recording::OneChangeAtATime(flight.keys)) {
      std::printf("%5d  the recording does not replay\n", n + 1);
      ++failures;
      continue;
    }
    if (trace) PrintTrace(stage, n, flight.keys);
    const double seconds = flight.updates / 60.0;
    std::printf("%5d  %3dx%-3d %4d s  %7.1f s  %14.1f  %8d  %s\n", n + 1, stage.cols, stage.rows,
                stage.timeLimitSeconds, seconds, stage.timeLimitSeconds / seconds, hold, name.c_str());
    char file[32], comment[160];
    std::snprintf(file, sizeof file, "/std_%02d.txt", n + 1);
    std::snprintf(comment, sizeof comment, "stage %d, cleared in update %d (%.1f s of %d s)", n + 1, flight.updates,
                  seconds, stage.timeLimitSeconds);
    if (!platform::ReplaceFile(out + file, recording::Text(flight.keys, comment))) {
      std::fprintf(stderr, "could not write %s%s\n", out.c_str(), file);
      ++failures;
    }
  }
  return failures ? 1 : 0;
}
