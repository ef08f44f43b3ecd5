// The maze game's four key states, from the window's key state at each update.
#include "tiltwell/input.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"

namespace {

namespace dik = platform::dik;
namespace vk = platform::vk;

class MazeInput : public ::testing::Test {
 protected:
  // Takes every message that is due, as the shell's loop does, then updates.
  void UpdateAt(double milliseconds) {
    host.virtualClock().AdvanceTo(uint64_t(milliseconds * 1000));
    platform::Event e;
    while (window->PollEvent(e)) {
    }
    input.Update(*window);
  }
  platform::HeadlessHost host;
  std::unique_ptr<platform::Window> window = host.CreateWindow({});
  INPUT input;
};

TEST_F(MazeInput, AKeyIsPressedThenHeldThenReleasedThenUp) {
  input.Clear();
  host.KeyDown(10, dik::RETURN);
  host.KeyUp(30, dik::RETURN);
  UpdateAt(15);
  EXPECT_EQ(input.State(vk::RETURN), INPUT::kPressed);
  UpdateAt(20);
  EXPECT_EQ(input.State(vk::RETURN), INPUT::kHeld);
  UpdateAt(35);
  EXPECT_EQ(input.State(vk::RETURN), INPUT::kReleased);
  UpdateAt(40);
  EXPECT_EQ(input.State(vk::RETURN), INPUT::kUp);
}

TEST_F(MazeInput, TheGamesKeysReadByTheirVirtualKeyCodes) {
  input.Clear();
  host.KeyDown(10, dik::LEFT);
  host.KeyDown(10, dik::F10);
  host.KeyDown(10, dik::LMENU);
  host.KeyDown(10, dik::LSHIFT);
  host.KeyDown(10, dik::A);
  UpdateAt(15);
  EXPECT_EQ(input.State(37), INPUT::kPressed) << "left arrow";
  EXPECT_EQ(input.State(121), INPUT::kPressed) << "F10";
  EXPECT_EQ(input.State(164), INPUT::kPressed) << "left Alt";
  EXPECT_EQ(input.State(165), INPUT::kUp) << "right Alt";
  EXPECT_EQ(input.State(16), INPUT::kPressed) << "Shift, either key";
  EXPECT_EQ(input.State('A'), INPUT::kPressed);
  input.Clear();
  EXPECT_EQ(input.State(37), INPUT::kUp) << "cleared";
}

}  // namespace
