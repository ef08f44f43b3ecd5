// The side-bar shooter's shell on the headless backend: one instance, the start-up failures
// with their messages, the whole screen, the ticks' pace, Esc on release, and the frame-rate
// sample.
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "platform/key_codes.h"
#include "platform/named_lock.h"
#include "platform/text_encoding.h"
#include "quenmark/quenmark_program.h"
#include "tests/quenmark/fake_pictures.h"
#include "tests/support/environment.h"

namespace {

using platform::Cp932Literal;
namespace dik = platform::dik;

class QuenmarkShell : public ::testing::Test {
 protected:
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions o;
    o.closeAfterMicros = 30ull * 1000000;
    return o;
  }
  void WithPictures() { ASSERT_TRUE(quenmark_test::WriteFakePictures(work.path())); }
  // Runs the program's loop until it ends or the clock reaches `until` ms.
  void RunUntil(QuenmarkProgram& program, double until) {
    while (double(host->virtualClock().Ticks()) < until && program.Step()) {
    }
  }
  int presents(QuenmarkProgram& program) {
    return static_cast<const platform::RecordingRenderDevice*>(program.graphics().device())->counts().presents;
  }

  testing_support::TempWorkingFolder work;
  testing_support::TempLockFolder locks;
  std::unique_ptr<platform::HeadlessHost> host = std::make_unique<platform::HeadlessHost>(Options());
};

TEST_F(QuenmarkShell, ASecondInstanceSaysSoAndFails) {
  WithPictures();
  platform::NamedLock first = platform::NamedLock::Acquire("Quivane Ver 0.75 F");
  EXPECT_EQ(QuenmarkMain(*host), QuenmarkProgram::kFailed);
  ASSERT_EQ(host->shownDialogs().size(), 1u);
  const platform::DialogRecord& box = host->shownDialogs()[0];
  EXPECT_EQ(box.textCp932, Cp932Literal("このアプリケーションは多重起動できません。"));
  EXPECT_EQ(box.captionCp932, Cp932Literal("エラー"));
  EXPECT_EQ(box.kind, platform::MessageKind::Error);
  EXPECT_FALSE(box.hadOwner);
  EXPECT_EQ(host->newestWindow(), nullptr);
}

TEST_F(QuenmarkShell, StartUpFailuresShowTheirMessagesAndFail) {
  WithPictures();
  platform::HeadlessOptions noGl = Options();
  noGl.refuseAllDevices = true;
  host = std::make_unique<platform::HeadlessHost>(noGl);
  EXPECT_EQ(QuenmarkMain(*host), QuenmarkProgram::kFailed);
  ASSERT_EQ(host->shownDialogs().size(), 2u);
  EXPECT_EQ(host->shownDialogs()[0].textCp932, Cp932Literal("Direct3Dを初期化できませんでした"));
  EXPECT_EQ(host->shownDialogs()[0].captionCp932, "Quivane Ver 0.75 F");
  EXPECT_EQ(host->shownDialogs()[1].textCp932, Cp932Literal("DirectXの初期化に失敗しました。"));
  EXPECT_EQ(host->deviceRequests().size(), 3u) << "three attempts";

  std::remove(work.File("result.dds").c_str());
  host = std::make_unique<platform::HeadlessHost>(Options());
  EXPECT_EQ(QuenmarkMain(*host), QuenmarkProgram::kFailed);
  ASSERT_EQ(host->shownDialogs().size(), 1u);
  EXPECT_EQ(host->shownDialogs()[0].textCp932, Cp932Literal("モデルの読み込みに失敗しました。"));
}

TEST_F(QuenmarkShell, TheGameTakesTheWholeScreenWithoutACursorAndTicks60TimesASecond) {
  WithPictures();
  QuenmarkProgram program(*host);
  ASSERT_EQ(program.StartUp(), -1);
  EXPECT_TRUE(program.window()->fullscreen());
  EXPECT_FALSE(program.window()->cursorVisible());
  EXPECT_EQ(program.graphics().device()->backBufferWidth(), 1920) << "the desktop's size";
  EXPECT_EQ(program.window()->title(), "Quivane Ver 0.75 F") << "never changed in full screen";
  RunUntil(program, 2000);
  EXPECT_NEAR(presents(program), 120, 2) << "the timer comes 100 times a second; ticks 60";
  EXPECT_NEAR(program.sampledRate(), 60, 3) << "one interval of 16 or 17 ms";
  program.ShutDown();
}

TEST_F(QuenmarkShell, TheFirstFrameRateSampleIsTakenOnThe22ndTick) {
  WithPictures();
  QuenmarkProgram program(*host);
  ASSERT_EQ(program.StartUp(), -1);
  while (presents(program) < 21 && program.Step()) {
  }
  EXPECT_EQ(program.sampledRate(), 0);
  while (presents(program) < 22 && program.Step()) {
  }
  EXPECT_GT(program.sampledRate(), 0);
  program.ShutDown();
}

TEST_F(QuenmarkShell, QuitOnTheTitleEndsTheRunInTheNextTickAfterAFrameWithoutTheTitle) {
  WithPictures();
  host->KeyDown(300, dik::DOWN);  // "quit"
  host->KeyUp(400, dik::DOWN);
  host->KeyDown(600, dik::Z);
  QuenmarkProgram program(*host);
  ASSERT_EQ(program.StartUp(), -1);
  int presentsWhenChosen = -1;
  while (program.Step()) {
    if (presentsWhenChosen < 0 && program.game().gameState == kQuittingState) presentsWhenChosen = presents(program);
  }
  ASSERT_GE(presentsWhenChosen, 0) << "quit was chosen";
  EXPECT_EQ(presents(program), presentsWhenChosen + 1) << "one more frame, then the Quitting tick ends the loop";
  const auto* device = static_cast<const platform::RecordingRenderDevice*>(program.graphics().device());
  int quads = 0;
  for (const platform::DrawRecord& call : device->lastFrame()) quads += int(call.quads.size());
  EXPECT_EQ(quads, 0) << "the last frame shows the title and its menu gone";
  program.ShutDown();
}

TEST_F(QuenmarkShell, EscEndsTheGameWhenItIsLetGoAndSoDoesClosingTheWindow) {
  WithPictures();
  host->KeyDown(500, dik::ESCAPE);
  host->KeyUp(1500, dik::ESCAPE);
  EXPECT_EQ(QuenmarkMain(*host), 0);
  EXPECT_NEAR(double(host->virtualClock().Ticks()), 1500, 30);

  host = std::make_unique<platform::HeadlessHost>(Options());
  platform::Event close;
  close.type = platform::EventType::CloseRequested;
  host->At(700, close);
  EXPECT_EQ(QuenmarkMain(*host), 0);
  EXPECT_NEAR(double(host->virtualClock().Ticks()), 700, 30);
}

}  // namespace
