// The shipped stage set of the maze game: every stage is sound (closed, one goal, a start on
// the floor, pictures that show what the cells do), and every stage is won through the real
// shell with its recorded input, from the save that starts it, before its time runs out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"
#include "platform/profile_file.h"
#include "platform/text_encoding.h"
#include "tests/support/environment.h"
#include "tests/tiltwell/recording.h"
#include "tiltwell/tiltwell.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

const std::string kShippedStages = std::string(GAMES_LAYOUT_DIR) + "/tiltwell/stages";
const std::string kRecordings = std::string(TESTS_SOURCE_DIR) + "/tiltwell/recordings";

std::string RecordingPath(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "/std_%02d.txt", n + 1);
  return kRecordings + name;
}

// The number of stages the shipped set says it holds, read before the tests are made.
int ShippedStageCount() {
  return platform::ReadProfileInt("Stages", "NumOfStages", 0, kShippedStages + "/std.ini");
}

platform::HeadlessOptions CountingOnly() {
  platform::HeadlessOptions options;
  options.drawing = platform::HeadlessDrawing::CountingOnly;
  return options;
}

// A working folder of the test's own with the shipped stages in it, as the game finds them.
class ShippedStages : public ::testing::Test {
 protected:
  ShippedStages() {
    std::filesystem::create_directory_symlink(kShippedStages, work.File("stages"));
    settings.StagesDir = "stages";
    settings.SaveFileDir = "sav";
    settings.stageSets[0] = "std.ini";
  }
  testing_support::TempLockFolder locks;
  testing_support::TempWorkingFolder work;
  platform::HeadlessHost host{CountingOnly()};
  Settings settings;
};

TEST_F(ShippedStages, TheSetHoldsAtLeastTwelveStagesEachWithARecording) {
  StageFiles set;
  ASSERT_EQ(set.LoadSet(settings, 0, host.dialogs()), 0);
  EXPECT_GE(set.NumOfStages, 12);
  EXPECT_EQ(set.GraphicName[0], "tiles.png");
  EXPECT_EQ(set.SaveFileName, "std.sav");
  EXPECT_EQ(set.BGIMGName, "back.png");
  for (int n = 0; n < set.NumOfStages; ++n) {
    std::vector<uint8_t> keys;
    EXPECT_TRUE(recording::Parse(ReadFile(RecordingPath(n)), keys) && !keys.empty()) << RecordingPath(n);
    EXPECT_TRUE(recording::OneChangeAtATime(keys)) << RecordingPath(n) << ": two key changes in one update";
  }
}

TEST_F(ShippedStages, EveryStageIsClosedWithOneGoalAStartOnTheFloorATimeAndAName) {
  STAGE stage;
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  for (int n = 0; n < stage.NumOfStages; ++n) {
    SCOPED_TRACE("stage " + std::to_string(n + 1));
    ASSERT_TRUE(stage.LoadStage(n)) << "more than 4096 cells";
    ASSERT_GE(stage.cols, 3);
    ASSERT_GE(stage.rows, 3);
    auto at = [&stage](int c, int r) -> const Cell& { return stage.cells[size_t(r * stage.cols + c)]; };
    int goals = 0;
    for (int r = 0; r < stage.rows; ++r) {
      for (int c = 0; c < stage.cols; ++c) {
        const bool edge = r == 0 || c == 0 || r == stage.rows - 1 || c == stage.cols - 1;
        if (edge) {
          EXPECT_EQ(at(c, r).kind, STAGE::kWall) << "the ball could leave the grid at " << c << "," << r;
        }
        if (at(c, r).kind == STAGE::kGoal) ++goals;
      }
    }
    EXPECT_EQ(goals, 1);
    ASSERT_LT(stage.startColumn, stage.cols);
    ASSERT_LT(stage.startRow, stage.rows);
    EXPECT_EQ(at(stage.startColumn, stage.startRow).kind, STAGE::kFloor);
    EXPECT_GT(stage.timeLimitSeconds, 0);
    EXPECT_FALSE(stage.name.empty());
    EXPECT_FALSE(stage.comment.empty());
  }
}

// On ice the speed never changes, so a ball stopped there stays stopped: beside the goal (which
// halves the speed of a ball touching it) and against a cushion wall (which takes nearly all of
// it) it would be stuck for good.
TEST_F(ShippedStages, NoPlaceOnIceWhereTheBallCouldComeToRest) {
  STAGE stage;
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  for (int n = 0; n < stage.NumOfStages; ++n) {
    ASSERT_TRUE(stage.LoadStage(n));
    auto at = [&stage](int c, int r) -> const Cell& { return stage.cells[size_t(r * stage.cols + c)]; };
    for (int r = 1; r + 1 < stage.rows; ++r) {
      for (int c = 1; c + 1 < stage.cols; ++c) {
        const Cell& cell = at(c, r);
        if (cell.kind != STAGE::kFloor || cell.grip != 0) continue;
        for (const Cell* side : {&at(c - 1, r), &at(c + 1, r), &at(c, r - 1), &at(c, r + 1)}) {
          EXPECT_NE(side->kind, STAGE::kGoal) << "stage " << n + 1 << ": ice beside the goal at " << c << "," << r;
          EXPECT_FALSE(side->kind == STAGE::kWall && side->grip == 0)
              << "stage " << n + 1 << ": ice against a cushion wall at " << c << "," << r;
        }
      }
    }
  }
}

// A switch's picture moves one column left per press, down to column 0 when it has none left,
// and a gate's one column right as it opens: both must start where that count is right.
TEST_F(ShippedStages, SwitchesShowTheirPressesAndGatesStartClosed) {
  STAGE stage;
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  for (int n = 0; n < stage.NumOfStages; ++n) {
    ASSERT_TRUE(stage.LoadStage(n));
    int presses = 0, gates = 0;
    for (const Cell& cell : stage.cells) {
      if (cell.kind == STAGE::kSwitch) {
        EXPECT_GT(cell.param, 0) << "stage " << n + 1 << ": a switch with no press to give";
        EXPECT_EQ(cell.column, cell.param) << "stage " << n + 1;
        EXPECT_EQ(cell.row, 4) << "stage " << n + 1;
        presses += cell.param;
      }
      if (cell.kind == STAGE::kGate) {
        EXPECT_EQ(cell.column % 2, 0) << "stage " << n + 1 << ": a gate drawn open";
        EXPECT_EQ(cell.row, 6) << "stage " << n + 1;
        EXPECT_GT(cell.param, 0) << "stage " << n + 1 << ": a gate that opens onto a floor without grip";
        ++gates;
      }
    }
    EXPECT_EQ(presses > 0, gates > 0) << "stage " << n + 1 << ": switches without gates or gates without switches";
  }
}

// Plays one stage through the game's own shell on the headless backend: the title, Enter, the
// loading fade, then the recording, one key change delivered before each update.
class RecordedStage : public ShippedStages, public ::testing::WithParamInterface<int> {
 protected:
  void Deliver(platform::EventType type, uint8_t dik, uint8_t virtualKey) {
    platform::Event e;
    e.type = type;
    e.key = dik;
    e.virtualKey = virtualKey;
    host.newestWindow()->Deliver(e);
  }
  void DeliverChange(uint8_t held, uint8_t keys) {
    static const struct {
      uint8_t bit, dik, vk;
    } kArrows[] = {{recording::kLeft, platform::dik::LEFT, platform::vk::LEFT},
                   {recording::kRight, platform::dik::RIGHT, platform::vk::RIGHT},
                   {recording::kUp, platform::dik::UP, platform::vk::UP},
                   {recording::kDown, platform::dik::DOWN, platform::vk::DOWN}};
    for (const auto& arrow : kArrows) {
      if ((held ^ keys) & arrow.bit)
        Deliver(keys & arrow.bit ? platform::EventType::KeyDown : platform::EventType::KeyUp, arrow.dik, arrow.vk);
    }
  }
  bool Shown(const char* utf8) const {
    for (const platform::DialogRecord& box : host.shownDialogs())
      if (box.textCp932 == platform::Cp932Literal(utf8)) return true;
    return false;
  }
};

TEST_P(RecordedStage, IsClearedInTimeAndTheNextStageStarts) {
  const int n = GetParam();
  const int stages = ShippedStageCount();
  std::vector<uint8_t> keys;
  ASSERT_TRUE(recording::Parse(ReadFile(RecordingPath(n)), keys)) << RecordingPath(n);
  ASSERT_TRUE(recording::OneChangeAtATime(keys));
  testing_support::MakeFolder(work.File("sav"));
  WriteFile(work.File("sav/std.sav"), "[Save]\r\n\r\nClearedStage=" + std::to_string(n) + "\r\n");

  Tiltwell game(host);
  ASSERT_TRUE(game.StartUp());
  Deliver(platform::EventType::KeyDown, platform::dik::RETURN, platform::vk::RETURN);
  game.Iterate();
  Deliver(platform::EventType::KeyUp, platform::dik::RETURN, platform::vk::RETURN);
  for (int i = 0; i < 1000 && (game.mode() != Tiltwell::kPlay || game.fading()); ++i) game.Iterate();
  ASSERT_EQ(game.mode(), Tiltwell::kPlay);
  ASSERT_FALSE(game.fading());
  ASSERT_EQ(game.stage().currentStage, n) << "the save starts the stage after the ones cleared";

  uint8_t held = 0;
  int enteredAt = -1, timeLeftAtGoal = 0;
  for (size_t i = 0; i < keys.size(); ++i) {
    DeliverChange(held, keys[i]);
    held = keys[i];
    ASSERT_TRUE(game.Iterate());
    if (enteredAt < 0 && game.ball().state == Ball::kEnteringGoal) {
      enteredAt = int(i);
      timeLeftAtGoal = game.stage().timeLeft;
    }
  }
  ASSERT_GE(enteredAt, 0) << "the ball never reached the goal";
  EXPECT_FALSE(Shown("時間切れです。"));
  EXPECT_GE(timeLeftAtGoal, 0);
  EXPECT_EQ(game.ball().counter, 0) << "the recording ends with the clear";
  if (n + 1 < stages) {
    EXPECT_EQ(platform::ReadProfileInt("Save", "ClearedStage", 0, work.File("sav/std.sav")), n + 1);
    for (int i = 0; i < 100 && game.stage().currentStage == n; ++i) game.Iterate();
    EXPECT_EQ(game.stage().currentStage, n + 1) << "the next stage starts";
  } else {
    EXPECT_TRUE(Shown("全ステージクリアしたようです。"));
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, RecordedStage, ::testing::Range(0, ShippedStageCount()),
                         [](const ::testing::TestParamInfo<int>& info) {
                           char name[16];
                           std::snprintf(name, sizeof name, "Stage%02d", info.param + 1);
                           return std::string(name);
                         });

}  // namespace
