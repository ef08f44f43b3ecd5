// The flag game's rules, played through its window's messages on the virtual clock.
#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "tests/vexilo/vexilo_fixture.h"

namespace {

namespace dik = platform::dik;
using testing_support::ReadFile;
using testing_support::WriteFile;

uint64_t CountdownPeriod(VexiloProgram& program) {
  uint64_t period = 0;
  static_cast<platform::HeadlessWindow*>(program.window())->timerPeriod(VexiloProgram::kCountdownTimer, period);
  return period;
}

TEST_F(VexiloTest, FirstStartCreatesKeyIniWithItsSevenLines) {
  Start();
  EXPECT_EQ(ReadFile(dir.File("key.ini")),
            "[MODE]\r\nmode=0\r\n[KEY]\r\n1=I\r\n2=O\r\n3=J\r\n4=K\r\n");
  EXPECT_EQ(record().mode, 0);
  EXPECT_EQ(std::string(record().keys, 4), "IOJK");
}

TEST_F(VexiloTest, KeyIniThatExistsIsReadAndLeftAlone) {
  const std::string ini = "[KEY]\n1 = Z\n2=xylophone\n[mode]\nMODE=2\n";
  WriteFile(dir.File("key.ini"), ini);
  Start();
  EXPECT_EQ(record().mode, 2);
  EXPECT_EQ(record().keys[0], 'Z');
  EXPECT_EQ(record().keys[1], 'x') << "only the first character counts";
  EXPECT_EQ(record().keys[2], 'J') << "missing keys fall back";
  EXPECT_EQ(ReadFile(dir.File("key.ini")), ini);
}

TEST_F(VexiloTest, WindowIsFourHundredByTwoFiftySixCentred) {
  Start();
  auto& window = *host.newestWindow();
  EXPECT_EQ(window.title(), "Vexilo");
  EXPECT_EQ(window.clientSize().width, 400);
  EXPECT_EQ(window.clientSize().height, 256);
  EXPECT_EQ(window.desc().placement, platform::WindowPlacement::Centered);
  EXPECT_EQ(window.desc().surface, platform::WindowSurface::Pixels);
  EXPECT_GE(window.presentCount(), 1) << "the title is painted when the window shows";
}

TEST_F(VexiloTest, EnterStartsAGameAndTheFirstInstructionComesOnTheFirstTick) {
  Start();
  Wait(100);
  EXPECT_EQ(record().state, GameRecord::kTitle);
  PressEnter();
  EXPECT_EQ(record().lives, 3);
  EXPECT_EQ(record().score, 0);
  double started = now();
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  EXPECT_LE(now() - started, 15.625 + 0.01);
  EXPECT_GE(record().instruction, 0);
  EXPECT_LE(record().instruction, 3);
  EXPECT_EQ(record().countdown, 4);
  EXPECT_EQ(CountdownPeriod(*program), 1000000u);
}

TEST_F(VexiloTest, ALeftClickStartsAGameToo) {
  Start();
  platform::Event click;
  click.type = platform::EventType::MouseButtonDown;
  host.At(now(), click);
  Wait(5);
  EXPECT_EQ(record().state, GameRecord::kPause);
}

TEST_F(VexiloTest, CorrectKeyRaisesTheFlagAndScores) {
  StartGameAndWaitForInstruction();
  int flag = record().instruction;
  Press(FlagKey(flag));
  EXPECT_EQ(record().score, 1);
  EXPECT_TRUE(record().raised[flag]);
  EXPECT_EQ(record().state, GameRecord::kPause);
  EXPECT_EQ(record().pauseLength, 15);
  double answered = now();
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  EXPECT_NEAR(now() - answered, 15 * 15.625, 16);
  EXPECT_FALSE(record().raised[flag]) << "the flag goes down with the next instruction";
}

TEST_F(VexiloTest, WrongFlagKeyIsAMissAndOtherKeysDoNothing) {
  StartGameAndWaitForInstruction();
  record().instruction = 2;
  Press(dik::A);
  EXPECT_FALSE(record().miss);
  EXPECT_EQ(record().state, GameRecord::kInstruction);
  Press(FlagKey(0));  // flag 1's key while flag 3 is asked for
  EXPECT_TRUE(record().miss);
  // The miss takes effect at the next paint.
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kPause; }, 40));
  EXPECT_EQ(record().lives, 2);
  EXPECT_EQ(record().pauseLength, 100);
  EXPECT_EQ(record().missBlink, 80);
  for (bool raised : record().raised) EXPECT_TRUE(raised);
  EXPECT_EQ(record().score, 0);
}

TEST_F(VexiloTest, AfterAMissComesAnEmptyPauseThenTheNextInstruction) {
  StartGameAndWaitForInstruction();
  record().instruction = 0;
  Press(FlagKey(3));
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kPause && record().pauseLength == 100; }, 40));
  double missed = now();
  ASSERT_TRUE(StepUntil([&] { return !record().miss; }));
  EXPECT_NEAR(now() - missed, 100 * 15.625, 20);
  EXPECT_EQ(record().state, GameRecord::kPause);
  EXPECT_EQ(record().instruction, -1);
  EXPECT_EQ(record().missBlink, -1);
  for (bool raised : record().raised) EXPECT_FALSE(raised);
  double empty = now();
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  EXPECT_NEAR(now() - empty, 15 * 15.625, 20);
}

TEST_F(VexiloTest, TenCorrectAnswersSpeedUpWithALongerPause) {
  StartGameAndWaitForInstruction();
  for (int i = 0; i < 9; ++i) AnswerCorrectly();
  EXPECT_EQ(CountdownPeriod(*program), 1000000u);
  Press(FlagKey(record().instruction));
  ASSERT_EQ(record().score, 10);
  ASSERT_TRUE(StepUntil([&] { return record().speedUpShown; }, 100));
  EXPECT_EQ(record().pauseLength, 45);
  double shown = now();
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  EXPECT_NEAR(now() - shown, 45 * 15.625, 20);
  EXPECT_FALSE(record().speedUpShown) << "the banner goes with the next instruction";
  EXPECT_EQ(CountdownPeriod(*program), 750000u);
  AnswerCorrectly();
  EXPECT_EQ(record().pauseLength, 15) << "one speed-up for each ten";
}

TEST_F(VexiloTest, FastModeCountdownPeriods) {
  WriteFile(dir.File("key.ini"), "[MODE]\r\nmode=1\r\n");
  StartGameAndWaitForInstruction();
  EXPECT_EQ(CountdownPeriod(*program), 326000u);
  record().score = 9;
  AnswerCorrectly();
  EXPECT_EQ(CountdownPeriod(*program), 162000u);
  EXPECT_EQ(CountdownPeriodMs(45, 1), 66);
  EXPECT_EQ(CountdownPeriodMs(1000, 1), 43);
  EXPECT_EQ(CountdownPeriodMs(59, 0), 100);
  EXPECT_EQ(CountdownPeriodMs(60, 0), 50);
}

TEST_F(VexiloTest, SixtyIsTheLastSpeedUp) {
  StartGameAndWaitForInstruction();
  record().score = 59;
  record().speedUpDone = false;
  Press(FlagKey(record().instruction));
  ASSERT_TRUE(StepUntil([&] { return record().speedUpShown; }, 100));
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  EXPECT_EQ(CountdownPeriod(*program), 50000u);
  for (int i = 0; i < 11; ++i) {
    Press(FlagKey(record().instruction));
    EXPECT_EQ(record().pauseLength, 15);
    ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
    EXPECT_FALSE(record().speedUpShown) << "at " << record().score;
  }
  EXPECT_EQ(record().score, 71);
  EXPECT_EQ(CountdownPeriod(*program), 50000u);
}

TEST_F(VexiloTest, TimeoutOnTheLastLifeEndsTheGameWithTheScoreBox) {
  StartGameAndWaitForInstruction();
  AnswerCorrectly();
  AnswerCorrectly();
  record().lives = 1;
  double shown = now();
  ASSERT_TRUE(StepUntil([&] { return record().miss; }));
  EXPECT_NEAR(now() - shown, 5000, 20) << "five periods of the countdown";
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kPause; }, 40));
  for (bool raised : record().raised) EXPECT_TRUE(raised);
  double missed = now();
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kTitle; }));
  EXPECT_NEAR(now() - missed, 100 * 15.625 + 100, 20) << "the pause, then 100 ms after the box";
  ASSERT_EQ(host.shownDialogs().size(), 1u);
  const platform::DialogRecord& box = host.shownDialogs()[0];
  EXPECT_EQ(box.textCp932, platform::Cp932Literal("貴方の点数は2です。"));
  EXPECT_EQ(box.captionCp932, platform::Cp932Literal("おわり"));
  EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(box.kind, platform::MessageKind::Plain) << "the box shows no icon";
  EXPECT_TRUE(box.hadOwner);
  EXPECT_EQ(host.newestWindow()->title(), "Vexilo");
  // The window stays: Enter starts a new game.
  PressEnter();
  EXPECT_EQ(record().state, GameRecord::kPause);
  EXPECT_EQ(record().lives, 3);
}

TEST_F(VexiloTest, ScoreBoxStandsOverTheTitleNotTheLastGameFrame) {
  UseBuiltPictures();
  StartGameAndWaitForInstruction();
  record().lives = 1;
  ASSERT_TRUE(StepUntil([&] { return record().miss; }));
  ASSERT_TRUE(StepUntil([&] { return !host.shownDialogs().empty(); }));
  EXPECT_TRUE(host.newestWindow()->presented().pixels == program->pictures.titleBack.pixels)
      << "the window behind the box shows the title";
}

TEST_F(VexiloTest, AClickOnTheWindowWhileTheScoreBoxIsOpenIsNotTakenAfterItCloses) {
  StartGameAndWaitForInstruction();
  record().lives = 1;
  ASSERT_TRUE(StepUntil([&] { return record().miss; }));
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kPause; }, 40));
  double boxOpens = now() + 100 * 15.625;
  host.AnswerNextDialog(platform::MessageResult::Ok, 3000);  // the player reads it for 3 s
  platform::Event click;
  click.type = platform::EventType::MouseButtonDown;
  click.x = 200;
  click.y = 128;
  host.At(boxOpens + 1000, click);
  ASSERT_TRUE(StepUntil([&] { return !host.shownDialogs().empty(); }));
  const platform::DialogRecord& box = host.shownDialogs()[0];
  ASSERT_LT(box.shownAtMilliseconds, boxOpens + 1000);
  ASSERT_GT(box.shownAtMilliseconds + box.answerMilliseconds, boxOpens + 1000)
      << "the click came while the box was open";
  Wait(500);
  EXPECT_EQ(record().state, GameRecord::kTitle) << "the click was given to the box, not the game";
  host.At(now(), click);
  Steps(1);
  EXPECT_EQ(record().state, GameRecord::kPause) << "a click after the box starts a game";
}

TEST_F(VexiloTest, HeldCorrectKeyIntoTheNextInstructionIsAMissOnItsRepeat) {
  StartGameAndWaitForInstruction();
  int flag = record().instruction;
  Press(FlagKey(flag), /*hold=*/true);
  ASSERT_EQ(record().score, 1);
  ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  record().instruction = (flag + 1) % 4;
  platform::Event repeat;
  repeat.type = platform::EventType::KeyDown;
  repeat.key = FlagKey(flag);
  repeat.virtualKey = platform::VirtualKeyOf(repeat.key);
  repeat.repeat = true;
  host.At(now(), repeat);
  program->Step();
  EXPECT_TRUE(record().miss);
}

TEST_F(VexiloTest, LowerCaseKeyCharactersAreOtherKeys) {
  // 'i' is 0x69, the virtual key of the keypad's 9: the letter I no longer raises flag 1.
  WriteFile(dir.File("key.ini"), "[KEY]\r\n1=i\r\n");
  StartGameAndWaitForInstruction();
  EXPECT_EQ(record().keys[0], 0x69);
  record().instruction = 0;
  Press(dik::I);
  EXPECT_EQ(record().score, 0);
  EXPECT_FALSE(record().miss) << "I is none of the four keys now";
  Press(dik::NUMPAD9);
  EXPECT_EQ(record().score, 1);
}

TEST_F(VexiloTest, EnterGivesUpTheGameFromInstructionOrPause) {
  StartGameAndWaitForInstruction();
  PressEnter();
  EXPECT_EQ(record().state, GameRecord::kTitle);
  PressEnter();
  EXPECT_EQ(record().state, GameRecord::kPause);
  PressEnter();
  EXPECT_EQ(record().state, GameRecord::kTitle);
  EXPECT_TRUE(host.shownDialogs().empty());
}

TEST_F(VexiloTest, ClosingTheWindowEndsTheProgram) {
  Start();
  platform::Event close;
  close.type = platform::EventType::CloseRequested;
  host.At(now() + 50, close);
  EXPECT_EQ(program->Run(), 0);
  EXPECT_TRUE(host.newestWindow()->destroyed());
}

}  // namespace
