// The maze game's shell on the headless backend: the settings file, the title, the fades into
// loading and play, clears, time-outs, the quit keys, the close box, one instance, and the
// frame loop's pacing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "platform/key_codes.h"
#include "platform/text_encoding.h"
#include "tests/support/environment.h"
#include "tests/tiltwell/maze_files.h"
#include "tiltwell/tiltwell.h"

namespace {

namespace dik = platform::dik;
using maze_test::StageSpec;
using platform::Cp932Literal;
using testing_support::ReadFile;
using testing_support::WriteFile;

// After Enter at 100 ms, play starts at about 1,635 ms: half a fade to loading, the loading
// update, and a whole fade to play.
constexpr double kEnter = 100, kPlayStarts = 1635, kPlaying = 1800;

const StageSpec kShortRun{{"#####", "#S.G#", "#####"}, 60, "first", "roll right"};
const StageSpec kSecond{{"#####", "#S..#", "#..G#", "#####"}, 60, "second", "two rows"};

class MazeShell : public ::testing::Test {
 protected:
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions options;
    options.closeAfterMicros = 60ull * 1000000;
    return options;
  }
  void Settings(const std::string& extra) {
    WriteFile(work.File("Twell.ini"), "[Twell]\r\nStagesDir = stages\r\nStages0 = std.ini\r\nSaveFileDir = sav\r\n" + extra);
  }
  void Run() {
    game = std::make_unique<Tiltwell>(host);
    game->Run();
  }
  void Press(double at, uint8_t key) { host.Tap(at, key); }
  std::vector<std::string> DialogTexts() const {
    std::vector<std::string> texts;
    for (const auto& d : host.shownDialogs()) texts.push_back(d.textCp932);
    return texts;
  }
  double Now() { return double(host.virtualClock().Ticks()); }

  testing_support::TempWorkingFolder work;
  testing_support::TempLockFolder locks;
  platform::HeadlessHost host{Options()};
  std::unique_ptr<Tiltwell> game;
};

TEST_F(MazeShell, TheFirstStartWritesTheDefaultSettingsAndShowsTheTitleWindowed) {
  Press(300, dik::ESCAPE);
  Run();
  EXPECT_EQ(ReadFile(work.File("Twell.ini")), kDefaultSettingsFile);
  EXPECT_EQ(game->window()->title(), "Tiltwell.");
  EXPECT_FALSE(game->window()->fullscreen());
  EXPECT_EQ(game->mode(), Tiltwell::kTitle);
  EXPECT_EQ(game->settings().stageSets[0], "std.ini");
  EXPECT_TRUE(host.shownDialogs().empty());
  EXPECT_NEAR(Now(), 300, 20) << "Esc ends the game at once, without asking";
}

TEST_F(MazeShell, ASettingsFileThatCannotBeMadeIsReportedAndItsFallbacksAreUsed) {
  // The working folder is gone: the settings file is missing, and nothing can be made there.
  std::filesystem::remove_all(work.path());
  Press(300, dik::ESCAPE);
  Run();
  ASSERT_EQ(host.shownDialogs().size(), 1u);
  const platform::DialogRecord& box = host.shownDialogs()[0];
  EXPECT_EQ(box.textCp932, Cp932Literal("初期化ファイルの作成に失敗しました。\nデフォルトの設定を使用します。"));
  EXPECT_EQ(box.captionCp932, "Error");
  EXPECT_TRUE(box.hadOwner);
  EXPECT_EQ(game->settings().status, 2);
  EXPECT_EQ(game->settings().StagesDir, "stages");
  EXPECT_EQ(game->settings().SaveFileDir, "sav");
  EXPECT_FALSE(game->window()->fullscreen()) << "windowed, as the fallback says";
  EXPECT_EQ(game->mode(), Tiltwell::kTitle);
}

TEST_F(MazeShell, EnterFadesIntoLoadingWhichLoadsTheSetOnceAndFadesIntoPlay) {
  maze_test::WriteStageSet(work.path(), {kShortRun, kSecond});
  Settings("");
  Press(kEnter, dik::RETURN);
  Press(kPlaying + 500, dik::ESCAPE);
  Run();
  // The set names a sheet and a background that are missing: one box each, from one loading.
  EXPECT_EQ(DialogTexts(), (std::vector<std::string>{"faild to load file :\nstages\\tiles.png",
                                                     "faild to load file :\nstages\\back.png\n02"}));
  EXPECT_EQ(host.shownDialogs()[0].captionCp932, Cp932Literal("失敗"));
  EXPECT_FALSE(host.shownDialogs()[0].hadOwner);
  EXPECT_EQ(game->mode(), Tiltwell::kPlay);
  EXPECT_EQ(game->window()->title(), "Tiltwell. ~ first - roll right");
  EXPECT_EQ(game->stage().currentStage, 0);
  const int played = 3600 - game->stage().timeLeft;
  EXPECT_GT(played, 20);
  EXPECT_LT(played, 60) << "the ball waits while the fade into play runs";
}

TEST_F(MazeShell, WithFrameSkipTheUpdateAfterTheMidpointRunsTwiceAndLoadsTheSetTwice) {
  maze_test::WriteStageSet(work.path(), {kShortRun});
  Settings("FrameSkip = 1\r\n");
  Press(kEnter, dik::RETURN);
  game = std::make_unique<Tiltwell>(host);
  ASSERT_TRUE(game->StartUp());
  while (game->Iterate() && Now() < kPlaying + 1500) {
  }
  EXPECT_EQ(DialogTexts().size(), 4u);
  EXPECT_EQ(game->mode(), Tiltwell::kPlay);
  // Only every second slot is drawn; the game keeps its pace.
  auto* device = static_cast<const platform::RecordingRenderDevice*>(game->draw().device());
  EXPECT_NEAR(device->counts().presents, Now() / 1000 * 30, 2);
}

TEST_F(MazeShell, AClearWritesTheSaveAndTheNextStageStartsAtTheFadesMidpoint) {
  maze_test::WriteStageSet(work.path(), {kShortRun, kSecond});
  Settings("");
  Press(kEnter, dik::RETURN);
  host.KeyDown(kPlaying, dik::RIGHT);
  host.KeyUp(kPlaying + 1500, dik::RIGHT);
  Press(kPlaying + 5000, dik::ESCAPE);
  Run();
  EXPECT_EQ(ReadFile(work.File("sav/std.sav")), "[Save]\r\n\r\nClearedStage=1\r\n");
  EXPECT_EQ(game->stage().currentStage, 1);
  EXPECT_EQ(game->window()->title(), "Tiltwell. ~ second - two rows");
  EXPECT_EQ(game->ball().state, Ball::kRolling);
  EXPECT_FLOAT_EQ(game->ball().x, 48) << "on the second stage's start cell";
}

TEST_F(MazeShell, TheClearWinsOverTheTimeOnceTheBallIsInTheGoal) {
  // The goal is reached about a second into a two-second stage; its animation takes 2.1 s.
  maze_test::WriteStageSet(work.path(), {{{"#####", "#S.G#", "#####"}, 2}, kSecond});
  Settings("");
  Press(kEnter, dik::RETURN);
  host.KeyDown(kPlaying, dik::RIGHT);
  Press(kPlaying + 5000, dik::ESCAPE);
  Run();
  EXPECT_EQ(game->stage().currentStage, 1);
  for (const std::string& text : DialogTexts()) EXPECT_NE(text, Cp932Literal("時間切れです。"));
}

TEST_F(MazeShell, TimeRunningOutSaysSoAndGoesBackToTheTitle) {
  maze_test::WriteStageSet(work.path(), {{{"####", "#So#", "####"}, 1}});
  Settings("");
  Press(kEnter, dik::RETURN);
  host.KeyDown(kPlaying, dik::RIGHT);  // into the hole: the time runs out during the fall
  Press(kPlaying + 4000, dik::ESCAPE);
  Run();
  ASSERT_EQ(host.shownDialogs().size(), 3u);
  const platform::DialogRecord& timeUp = host.shownDialogs()[2];
  EXPECT_EQ(timeUp.textCp932, Cp932Literal("時間切れです。"));
  EXPECT_EQ(timeUp.captionCp932, Cp932Literal("時間切れ"));
  EXPECT_TRUE(timeUp.hadOwner);
  EXPECT_NEAR(timeUp.shownAtMilliseconds, kPlayStarts + 1000, 20) << "60 updates of play";
  EXPECT_EQ(game->mode(), Tiltwell::kTitle);
  EXPECT_EQ(game->window()->title(), "Tiltwell.");
  EXPECT_FALSE(game->stage().dataLoaded) << "the title frees the set";
}

TEST_F(MazeShell, TheLastClearSaysAllClearedAndLeavesTheSaveAsItWas) {
  maze_test::WriteStageSet(work.path(), {kShortRun, {{"#####", "#S.G#", "#####"}, 60, "last", "end"}});
  Settings("");
  testing_support::MakeFolder(work.File("sav"));
  WriteFile(work.File("sav/std.sav"), "[Save]\r\nClearedStage=1\r\n");
  Press(kEnter, dik::RETURN);
  host.KeyDown(kPlaying, dik::RIGHT);
  Press(kPlaying + 5000, dik::ESCAPE);
  Run();
  ASSERT_FALSE(host.shownDialogs().empty());
  EXPECT_EQ(host.shownDialogs().back().textCp932, Cp932Literal("全ステージクリアしたようです。"));
  EXPECT_EQ(host.shownDialogs().back().captionCp932, Cp932Literal("クリア"));
  EXPECT_EQ(ReadFile(work.File("sav/std.sav")), "[Save]\r\nClearedStage=1\r\n");
  EXPECT_EQ(game->mode(), Tiltwell::kTitle);
}

TEST_F(MazeShell, ShiftStartsFromTheFirstStageAndAReplayNeverLowersTheSave) {
  maze_test::WriteStageSet(work.path(), {kShortRun, kSecond, kSecond});
  Settings("");
  testing_support::MakeFolder(work.File("sav"));
  WriteFile(work.File("sav/std.sav"), "[Save]\r\n\r\nClearedStage=2\r\n");
  host.KeyDown(kEnter - 50, dik::LSHIFT);
  Press(kEnter, dik::RETURN);
  host.KeyUp(kEnter + 700, dik::LSHIFT);
  host.KeyDown(kPlaying, dik::RIGHT);
  Press(kPlaying + 5000, dik::ESCAPE);
  Run();
  EXPECT_EQ(game->stage().currentStage, 1) << "stage 0 was played and cleared";
  EXPECT_EQ(ReadFile(work.File("sav/std.sav")), "[Save]\r\n\r\nClearedStage=2\r\n");
}

TEST_F(MazeShell, ExhibitionTimingGives500SecondsThen180ThatLaterStagesInherit) {
  maze_test::WriteStageSet(work.path(), {kShortRun, kShortRun, kShortRun});
  Settings("ExecMode = 3\r\n");
  testing_support::MakeFolder(work.File("sav"));
  WriteFile(work.File("sav/std.sav"), "[Save]\r\n\r\nClearedStage=2\r\n");
  Press(kEnter, dik::RETURN);
  host.KeyDown(kPlaying, dik::RIGHT);  // held: every stage rolls right into its goal
  game = std::make_unique<Tiltwell>(host);
  ASSERT_TRUE(game->StartUp());
  int firstTime = -1, secondTime = -1, secondLeftAtClear = -1, thirdTime = -1;
  while (game->Iterate() && thirdTime < 0 && Now() < 30000) {
    if (game->mode() != Tiltwell::kPlay) continue;
    const int stage = game->stage().currentStage, left = game->stage().timeLeft;
    if (stage == 0 && firstTime < 0) firstTime = left;
    if (stage == 1 && secondTime < 0) secondTime = left;
    if (stage == 1) secondLeftAtClear = left;
    if (stage == 2) thirdTime = left;
  }
  EXPECT_EQ(firstTime, 30000) << "the first stage, whatever the save says, gets 500 s";
  EXPECT_EQ(secondTime, 10800) << "the second stage gets 180 s";
  EXPECT_EQ(thirdTime, secondLeftAtClear) << "the third inherits what the second left";
  EXPECT_LT(thirdTime, 10800 - 60);
}

TEST_F(MazeShell, AClickOnTheTitleStartsTheGameAsEnterDoes) {
  maze_test::WriteStageSet(work.path(), {kShortRun});
  Settings("");
  platform::Event click;
  click.type = platform::EventType::MouseButtonDown;
  host.At(kEnter, click);
  click.type = platform::EventType::MouseButtonUp;
  host.At(kEnter + 30, click);
  Press(kPlaying + 100, dik::ESCAPE);
  Run();
  EXPECT_EQ(game->mode(), Tiltwell::kPlay);
  EXPECT_EQ(game->window()->title(), "Tiltwell. ~ first - roll right");
}

TEST_F(MazeShell, F10FadesBackToTheTitleFromPlay) {
  maze_test::WriteStageSet(work.path(), {kShortRun});
  Settings("");
  Press(kEnter, dik::RETURN);
  Press(kPlaying + 300, dik::F10);
  Press(kPlaying + 2000, dik::ESCAPE);
  Run();
  EXPECT_EQ(game->mode(), Tiltwell::kTitle);
  EXPECT_EQ(game->window()->title(), "Tiltwell.");
  EXPECT_TRUE(game->stage().cells.empty());
}

TEST_F(MazeShell, EscWaitsForAFadeAndTheCloseBoxAsksFirst) {
  maze_test::WriteStageSet(work.path(), {kShortRun});
  Settings("");
  Press(kEnter, dik::RETURN);
  Press(kEnter + 300, dik::ESCAPE);  // during the fade: not read
  platform::Event close;
  close.type = platform::EventType::CloseRequested;
  host.At(3000, close);
  host.AnswerNextDialog(platform::MessageResult::Ok);  // the missing pictures
  host.AnswerNextDialog(platform::MessageResult::Ok);
  host.AnswerNextDialog(platform::MessageResult::No);
  host.At(4000, close);
  host.AnswerNextDialog(platform::MessageResult::Yes);
  Run();
  const platform::DialogRecord& asked = host.shownDialogs().back();
  EXPECT_EQ(asked.textCp932, Cp932Literal("終了しますか？"));
  EXPECT_EQ(asked.captionCp932, Cp932Literal("確認"));
  EXPECT_EQ(asked.buttons, platform::MessageButtons::YesNo);
  EXPECT_EQ(host.shownDialogs().size(), 4u) << "two load failures, then the box twice";
  EXPECT_NEAR(Now(), 4000, 20) << "No kept the game going, Yes ended it";
}

TEST_F(MazeShell, AltF4EndsTheGameWithoutAsking) {
  host.KeyDown(500, dik::LMENU);
  host.KeyDown(520, dik::F4);
  Run();
  EXPECT_TRUE(host.shownDialogs().empty());
  EXPECT_NEAR(Now(), 540, 20);
}

TEST_F(MazeShell, MinimisingEndsAFullScreenGameButNotAWindowedOne) {
  platform::Event minimise;
  minimise.type = platform::EventType::Minimized;
  Settings("windowed = 0\r\n");
  host.At(500, minimise);
  Run();
  EXPECT_TRUE(game->window()->fullscreen());
  EXPECT_NEAR(Now(), 500, 20);

  platform::HeadlessHost windowedHost{Options()};
  Settings("windowed = 1\r\n");
  windowedHost.At(500, minimise);
  windowedHost.Tap(1000, dik::ESCAPE);
  Tiltwell windowed(windowedHost);
  windowed.Run();
  EXPECT_NEAR(double(windowedHost.virtualClock().Ticks()), 1000, 20);
}

TEST_F(MazeShell, ASecondStartEndsSilentlyOnlyWhileTheFirstShowsItsTitle) {
  platform::HeadlessHost firstHost;
  platform::WindowDesc desc;
  desc.titleCp932 = "Tiltwell.";
  desc.classNameCp932 = "ZOLK";
  auto first = firstHost.CreateWindow(desc);
  EXPECT_EQ(TiltwellMain(host), 0);
  EXPECT_EQ(host.newestWindow(), nullptr) << "no window, nothing shown";
  first->SetTitle("Tiltwell. ~ first - roll right");
  Press(200, dik::ESCAPE);
  Run();
  EXPECT_NE(game->window(), nullptr) << "during play a second one starts";
}

// The colours of the frame's screen draws, one entry per draw.
std::vector<uint32_t> ScreenDrawColours(const platform::RecordingRenderDevice& device) {
  std::vector<uint32_t> colours;
  for (const platform::DrawRecord& r : device.lastFrame())
    if (r.kind == platform::DrawRecord::Kind::Screen && !r.vertices.empty()) colours.push_back(r.vertices[0].color);
  return colours;
}

TEST_F(MazeShell, TheFpsAndVersionLinesAreDrawnOnlyWhenTheSettingsAskForThem) {
  constexpr uint32_t kFpsRed = 0xFFFF0000, kVersionPurple = 0xFF660066;
  for (bool shown : {false, true}) {
    Settings(shown ? "DispFPS = 1\r\nDispVersion = 1\r\n" : "");
    game = std::make_unique<Tiltwell>(host);
    ASSERT_TRUE(game->StartUp());
    const double until = Now() + 1500;
    while (game->Iterate() && Now() < until) {
    }
    auto* device = static_cast<const platform::RecordingRenderDevice*>(game->draw().device());
    const std::vector<uint32_t> colours = ScreenDrawColours(*device);
    const auto count = [&](uint32_t c) { return std::count(colours.begin(), colours.end(), c); };
    EXPECT_EQ(count(kFpsRed), shown ? 1 : 0) << "the FPS line, one draw for its glyphs";
    EXPECT_EQ(count(kVersionPurple), shown ? 1 : 0) << "the version line";
  }
}

TEST_F(MazeShell, TheLoopRuns60SlotsASecondAndABoxOpenFor10SecondsDropsItsSlots) {
  EXPECT_EQ(FpsLine(60, 0, false), "FPS:60/60 [delay:none]");
  EXPECT_EQ(FpsLine(56, 4, true), "FPS:56/60 [delay:none] /FrameSkip");
  EXPECT_EQ(FpsLine(30, 30, false), "FPS:30/60 [delay:50%]");
  EXPECT_EQ(FpsLine(0, 60, true), "FPS:0/60 [delay:100%] /FrameSkip");

  Settings("DispFPS = 1\r\n");
  platform::Event close;
  close.type = platform::EventType::CloseRequested;
  host.At(2500, close);
  host.AnswerNextDialog(platform::MessageResult::No, 10000);
  Press(14900, dik::ESCAPE);
  game = std::make_unique<Tiltwell>(host);
  ASSERT_TRUE(game->StartUp());
  while (game->Iterate() && Now() < 2400) {
  }
  EXPECT_EQ(game->fps(), 60);
  while (game->Iterate() && Now() < 12700) {
  }
  EXPECT_EQ(game->fps(), 0) << "the second before the box closed processed no slot";
  while (game->Iterate()) {
  }
  EXPECT_EQ(game->fps(), 60) << "caught up, with no slot made up";
}

}  // namespace
