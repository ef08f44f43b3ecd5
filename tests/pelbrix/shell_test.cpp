// The shooter's shell through its real entry point and its window: options, accelerators,
// screen modes, closing, and the start-up failure.
#include <gtest/gtest.h>

#include "pelbrix/game/pelbrix.h"
#include "pelbrix/game/pelbrix_main.h"
#include "platform/headless/headless_host.h"
#include "platform/game_path.h"
#include "platform/image.h"
#include "platform/key_codes.h"
#include "platform/text_encoding.h"
#include "tests/pelbrix/counting_game.h"
#include "tests/support/environment.h"
#include "tests/support/temp_dir.h"

namespace {

namespace dik = platform::dik;
using platform::EventType;
using platform::HeadlessHost;
using platform::HeadlessOptions;
using platform::MessageResult;
using testing_support::Args;

const std::string kNeedsGraphics = platform::Cp932Literal(
    "このプログラムにはDirectX 9.0以上が必要です。\n"
    "DirectXの最新版、および最新のドライバが\n"
    "インストールされているかどうかご確認ください。\n");

// The game reads and writes its high-score file in the folder it runs in.
class Shell : public ::testing::Test {
 protected:
  testing_support::TempWorkingFolder work;
};

platform::KeyModifiers Alt() {
  platform::KeyModifiers m;
  m.alt = true;
  return m;
}

TEST_F(Shell, OpensAnEightHundredBySixHundredWindowAtTheTopLeft) {
  HeadlessHost host;
  CPelbrix game(host, 1, Args({}).argv());
  ASSERT_TRUE(game.started());
  platform::HeadlessWindow& window = *host.newestWindow();
  EXPECT_EQ(window.title(), "Velquist Sonata");
  EXPECT_EQ(window.clientSize().width, 800);
  EXPECT_EQ(window.clientSize().height, 600);
  EXPECT_EQ(window.position().x, 0);
  EXPECT_EQ(window.position().y, 0);
  EXPECT_EQ(game.graphicsDevice->backBufferWidth, 800);
  EXPECT_EQ(game.graphicsDevice->backBufferHeight, 600);
  EXPECT_EQ(game.graphicsDevice->depthStencilFormat, 80);
  EXPECT_FALSE(game.graphicsDevice->fullscreen);
  EXPECT_FALSE(game.confirmExit);
  EXPECT_EQ(game.framesPerSecond, 60.0);
}

TEST_F(Shell, SizeOptionsSizeTheWindowAndTheBackBuffer) {
  HeadlessHost host;
  Args args{"-w", "1024", "-h", "768"};
  CPelbrix game(host, args.argc(), args.argv());
  EXPECT_EQ(host.newestWindow()->clientSize().width, 1024);
  EXPECT_EQ(host.newestWindow()->clientSize().height, 768);
  EXPECT_EQ(game.graphicsDevice->backBufferWidth, 1024);
  EXPECT_EQ(game.fullscreenWidth, 1024);
  EXPECT_EQ(game.fullscreenHeight, 768);
}

TEST_F(Shell, StartsInFullscreenAtTheFullscreenSize) {
  HeadlessHost host;
  Args args{"-f", "-fw", "1024", "-fh", "768"};
  CPelbrix game(host, args.argc(), args.argv());
  EXPECT_TRUE(host.newestWindow()->fullscreen());
  EXPECT_TRUE(game.graphicsDevice->fullscreen);
  EXPECT_EQ(game.graphicsDevice->backBufferWidth, 1024);
  EXPECT_EQ(game.graphicsDevice->backBufferHeight, 768);
}

TEST_F(Shell, AFailedResetIsTriedAgainOnLaterFramesAndNothingIsDrawnMeanwhile) {
  HeadlessHost host;
  CountingGame game(host, Args{"-f", "-fw", "0"});  // no back buffer can be 0 pixels wide
  ASSERT_TRUE(game.started());
  // Back to the window after 200 ms: that reset succeeds.
  host.Tap(200, dik::RETURN, Alt());
  game.StopAfterMoves(30);
  game.Run();
  EXPECT_EQ(game.Count('D', 0, 200), 0) << "no frame is drawn into the old back buffer";
  EXPECT_EQ(game.Count('R', 0, 200), 1) << "only the loop's first call: every reset failed";
  EXPECT_GE(game.Count('L', 0, 200), 10) << "a reset is tried on each later frame";
  EXPECT_EQ(game.Count('R', 200, 1e9), 1) << "the window's reset gives the game its device state";
  EXPECT_GT(game.Count('D', 200, 1e9), 0);
  EXPECT_EQ(game.graphicsDevice->backBufferWidth, 800);
}

TEST_F(Shell, EscapeClosesTheGameAtOnceWithExitCodeZero) {
  HeadlessHost host;
  host.Tap(200, dik::ESCAPE);
  Args args{};
  EXPECT_EQ(PelbrixMain(host, args.argc(), args.argv()), 0);
  EXPECT_TRUE(host.shownDialogs().empty()) << "the game asks no confirmation";
  EXPECT_LT(host.virtualClock().nowMilliseconds(), 300);
}

TEST_F(Shell, CloseConfirmationCancelKeepsTheGameRunning) {
  HeadlessHost host;
  CountingGame game(host);
  ASSERT_TRUE(game.confirmExit);
  platform::Event close;
  close.type = EventType::CloseRequested;
  host.At(100, close);
  host.At(500, close);
  host.AnswerNextDialog(MessageResult::Cancel);
  host.AnswerNextDialog(MessageResult::Ok);
  game.Run();
  ASSERT_EQ(host.shownDialogs().size(), 2u);
  const platform::DialogRecord& asked = host.shownDialogs()[0];
  EXPECT_EQ(asked.textCp932, platform::Cp932Literal("終了してもよろしいですか？"));
  EXPECT_EQ(asked.captionCp932, platform::Cp932Literal("終了確認"));
  EXPECT_EQ(asked.buttons, platform::MessageButtons::OkCancel);
  EXPECT_TRUE(asked.hadOwner);
  EXPECT_GT(game.Count('M', 100, 500), 20) << "still playing after Cancel";
  EXPECT_TRUE(host.newestWindow()->destroyed());
  EXPECT_LT(host.virtualClock().nowMilliseconds(), 520);
}

TEST_F(Shell, AltEnterTwiceComesBackToTheWindow) {
  HeadlessHost host;
  Args args{"-ww", "640", "-wh", "480", "-fw", "1024", "-fh", "768"};
  CountingGame game(host, args);
  platform::HeadlessWindow& window = *host.newestWindow();
  host.KeyDown(100, dik::RETURN, Alt());
  host.KeyDown(300, dik::RETURN, Alt());
  bool sawFullscreen = false;
  game.onMove = [&](CountingGame& g) {
    double now = g.headless.virtualClock().nowMilliseconds();
    if (now > 150 && now < 250) {
      sawFullscreen = window.fullscreen() && g.graphicsDevice->backBufferWidth == 1024 &&
                      g.graphicsDevice->backBufferHeight == 768;
    }
    if (now > 400) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_TRUE(sawFullscreen);
  EXPECT_FALSE(window.fullscreen());
  EXPECT_FALSE(game.graphicsDevice->fullscreen);
  EXPECT_EQ(window.clientSize().width, 640);
  EXPECT_EQ(window.clientSize().height, 480);
  EXPECT_EQ(game.graphicsDevice->backBufferWidth, 640);
  EXPECT_EQ(window.position().x, 0);
  EXPECT_EQ(game.lostDevices, 2);
  EXPECT_EQ(game.resetDevices, 3);
}

TEST_F(Shell, MaximiseRequestSwitchesToFullscreen) {
  HeadlessHost host;
  CountingGame game(host);
  platform::Event maximize;
  maximize.type = EventType::MaximizeRequested;
  host.At(50, maximize);
  game.StopAfterMoves(10);
  game.Run();
  EXPECT_TRUE(game.graphicsDevice->fullscreen);
  EXPECT_TRUE(host.newestWindow()->fullscreen());
}

TEST_F(Shell, AcceleratorsNeedExactlyTheirModifiers) {
  HeadlessHost host;
  CountingGame game(host);
  platform::KeyModifiers control;
  control.control = true;
  host.KeyDown(50, dik::ESCAPE, control);  // Ctrl+Esc: not an accelerator
  host.KeyDown(60, dik::RETURN);           // Enter without Alt
  host.KeyDown(70, dik::F1);               // help, but there is no help document
  game.StopAfterMoves(10);
  game.Run();
  EXPECT_FALSE(host.newestWindow()->destroyed());
  EXPECT_FALSE(game.graphicsDevice->fullscreen);
  EXPECT_TRUE(host.shownDialogs().empty());
  EXPECT_TRUE(host.openedDocuments().empty());
}

TEST_F(Shell, F1OpensTheHelpDocumentWhenThereIsOne) {
  HeadlessHost host;
  CountingGame game(host);
  game.helpPath = "doc\\help.html";
  host.Tap(50, dik::F1);
  game.StopAfterMoves(10);
  game.Run();
  ASSERT_EQ(host.openedDocuments().size(), 1u);
  EXPECT_EQ(host.openedDocuments()[0], "doc/help.html");
}

TEST_F(Shell, MouseMessagesUpdateTheMouseFields) {
  HeadlessHost host;
  CountingGame game(host);
  platform::Event e;
  e.type = EventType::MouseMove;
  e.x = 123;
  e.y = 45;
  host.At(30, e);
  e.type = EventType::MouseButtonDown;
  e.button = platform::MouseButton::Right;
  host.At(40, e);
  e.button = platform::MouseButton::Left;
  host.At(40, e);
  e.type = EventType::MouseButtonUp;
  host.At(50, e);
  game.StopAfterMoves(10);
  game.Run();
  EXPECT_EQ(game.mouseX, 123);
  EXPECT_EQ(game.mouseY, 45);
  EXPECT_TRUE(game.rightButtonDown);
  EXPECT_FALSE(game.leftButtonDown);
  EXPECT_FALSE(game.middleButtonDown);
}

TEST_F(Shell, ProgramFolderAndIcon) {
  testing_support::TempDir dir;
  platform::Image icon(16, 16, 0xFFFF8000);
  ASSERT_TRUE(platform::SavePng(dir.File("game.ico"), icon));
  HeadlessOptions options;
  options.programFilePath = dir.File("Pelbrix");
  HeadlessHost host(options);
  CPelbrix game(host, 1, Args({}).argv());
  EXPECT_EQ(platform::HostPath(game.exeDir), dir.path() + "/");
  EXPECT_EQ(game.exeDir.back(), '\\');
  EXPECT_EQ(host.newestWindow()->iconPath(), dir.File("game.ico"));
}

TEST_F(Shell, WithoutAnyGlTheGameShowsTheMessageAndExitsWithOne) {
  HeadlessOptions options;
  options.refuseAllDevices = true;
  HeadlessHost host(options);
  Args args{};
  EXPECT_EQ(PelbrixMain(host, args.argc(), args.argv()), 1);
  ASSERT_EQ(host.shownDialogs().size(), 1u);
  const platform::DialogRecord& shown = host.shownDialogs()[0];
  EXPECT_EQ(shown.textCp932, kNeedsGraphics) << "the game leaves the resolution hint out";
  EXPECT_EQ(shown.captionCp932, "Velquist Sonata");
  EXPECT_EQ(shown.buttons, platform::MessageButtons::Ok);
  EXPECT_TRUE(shown.hadOwner);
  EXPECT_EQ(host.deviceRequests().size(), 4u) << "all four kinds were tried";
}

TEST_F(Shell, TheResolutionHintFollowsUnlessSuppressed) {
  HeadlessOptions options;
  options.refuseAllDevices = true;
  HeadlessHost host(options);
  CountingGame game(host);
  EXPECT_FALSE(game.started());
  ASSERT_EQ(host.shownDialogs().size(), 1u);
  const std::string& text = host.shownDialogs()[0].textCp932;
  EXPECT_EQ(text.substr(0, kNeedsGraphics.size()), kNeedsGraphics);
  EXPECT_NE(text.find("-w 800 -h 600 -fw 1024 -fh 768"), std::string::npos);
}

TEST_F(Shell, WithoutAcceleratedGlTheSoftwareRendererIsUsed) {
  HeadlessOptions options;
  options.refuseAcceleratedDevices = true;
  HeadlessHost host(options);
  CPelbrix game(host, 1, Args({}).argv());
  ASSERT_TRUE(game.started());
  const auto& requests = host.deviceRequests();
  ASSERT_EQ(requests.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(requests[i].request.requireAccelerated);
    EXPECT_FALSE(requests[i].granted);
  }
  EXPECT_FALSE(requests[3].request.requireAccelerated);
  EXPECT_TRUE(requests[3].granted);
}

TEST_F(Shell, PresentingAlternatesTheFlipParity) {
  HeadlessHost host;
  CPelbrix game(host, 1, Args({}).argv());
  bool afterStart = game.graphicsDevice->flipParity;  // one present at start-up
  EXPECT_FALSE(afterStart);
  game.graphicsDevice->PresentFrame();
  EXPECT_TRUE(game.graphicsDevice->flipParity);
  game.graphicsDevice->ResetDevice();
  EXPECT_TRUE(game.graphicsDevice->flipParity);
  game.graphicsDevice->PresentFrame();
  EXPECT_FALSE(game.graphicsDevice->flipParity);
}

}  // namespace
