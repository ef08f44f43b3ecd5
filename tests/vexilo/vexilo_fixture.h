#pragma once
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"
#include "tests/support/temp_dir.h"
#include "vexilo/vexilo_program.h"

// Runs the flag game headless in a working folder of its own (it reads key.ini and image//
// from there), with the built pictures when a test asks for them.
class VexiloTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
  }
  void TearDown() override {
    program.reset();
    std::filesystem::current_path(previous_);
  }

  void UseBuiltPictures() {
    std::filesystem::create_directory_symlink(std::string(GAMES_LAYOUT_DIR) + "/vexilo/image",
                                              dir.File("image"));
  }

  VexiloProgram& Start() {
    program = std::make_unique<VexiloProgram>(host);
    return *program;
  }
  GameRecord& record() { return program->record; }
  double now() { return host.virtualClock().nowMilliseconds(); }

  // Steps until the condition holds (or a long time has passed); false if it never did.
  bool StepUntil(const std::function<bool()>& condition, double maxMilliseconds = 60000) {
    double end = now() + maxMilliseconds;
    while (!condition()) {
      if (now() > end || !program->Step()) return false;
    }
    return true;
  }
  void Steps(int n) {
    for (int i = 0; i < n; ++i) program->Step();
  }
  // Lets every message due in the next milliseconds be handled.
  void Wait(double milliseconds) {
    double end = now() + milliseconds;
    platform::Event marker;
    marker.type = platform::EventType::MouseMove;
    host.At(end, marker);
    StepUntil([&] { return now() >= end; }, milliseconds + 1000);
  }
  // A key goes down now (and up a moment later unless held), and its message is handled.
  void Press(uint8_t dik, bool hold = false) {
    host.KeyDown(now(), dik);
    if (!hold) host.KeyUp(now() + 5, dik);
    program->Step();
  }
  void PressEnter() { Press(platform::dik::RETURN); }
  // The key of a flag (0..3) with the default keys I, O, J, K.
  static uint8_t FlagKey(int flag) {
    const uint8_t keys[4] = {platform::dik::I, platform::dik::O, platform::dik::J, platform::dik::K};
    return keys[flag];
  }
  // Starts a game and steps until its first instruction shows.
  void StartGameAndWaitForInstruction() {
    Start();
    PressEnter();
    ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  }
  void AnswerCorrectly() {
    ASSERT_EQ(record().state, GameRecord::kInstruction);
    Press(FlagKey(record().instruction));
    ASSERT_EQ(record().state, GameRecord::kPause);
    ASSERT_TRUE(StepUntil([&] { return record().state == GameRecord::kInstruction; }));
  }

  testing_support::TempDir dir;
  platform::HeadlessHost host;
  std::unique_ptr<VexiloProgram> program;

 private:
  std::filesystem::path previous_;
};
