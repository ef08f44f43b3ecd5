// How the keyboard and controllers fold into the player records.
#include "pelbrix/input_devices.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"

namespace {

namespace dik = platform::dik;

class InputFolding : public ::testing::Test {
 protected:
  InputFolding() : window(host.CreateWindow({})), input(host.input(), *window) {}

  // Holds the keys from now on and polls.
  const PlayerInput& Poll(std::initializer_list<uint8_t> keys = {}) {
    double now = host.virtualClock().nowMilliseconds();
    for (uint8_t key : keys) host.KeyDown(now, key);
    input.PollAll();
    return input.records[0];
  }

  platform::ControllerState Stick(int x, int y) {
    platform::ControllerState pad;
    pad.axisX = x;
    pad.axisY = y;
    return pad;
  }

  platform::HeadlessHost host;
  std::unique_ptr<platform::Window> window;
  InputDevices input;
};

TEST_F(InputFolding, LeftAndRightTogetherSetBothFlagsAndLeftWins) {
  const PlayerInput& r = Poll({dik::LEFT, dik::RIGHT, dik::UP, dik::DOWN});
  EXPECT_TRUE(r.left);
  EXPECT_TRUE(r.right);
  EXPECT_FLOAT_EQ(r.axisX, -1);
  EXPECT_FLOAT_EQ(r.axisY, -1);
}

TEST_F(InputFolding, ReturnSpaceAndZAreAllButtonZero) {
  for (uint8_t key : {dik::RETURN, dik::SPACE, dik::Z}) {
    host.KeyUp(host.virtualClock().nowMilliseconds(), dik::RETURN);
    host.KeyUp(host.virtualClock().nowMilliseconds(), dik::SPACE);
    host.KeyUp(host.virtualClock().nowMilliseconds(), dik::Z);
    host.virtualClock().Advance(1000);
    EXPECT_TRUE(Poll({key}).buttons[0]) << int(key);
  }
  const PlayerInput& r = Poll({dik::X, dik::C, dik::V, dik::B});
  EXPECT_TRUE(r.buttons[1] && r.buttons[2] && r.buttons[3] && r.buttons[4]);
}

TEST_F(InputFolding, SecondDirectionSetComesFromEdsf) {
  const PlayerInput& r = Poll({dik::E, dik::F});
  EXPECT_TRUE(r.up2);
  EXPECT_TRUE(r.right2);
  EXPECT_FLOAT_EQ(r.axis2Y, -1);
  EXPECT_FLOAT_EQ(r.axis2X, 1);
  EXPECT_FLOAT_EQ(r.axisX, 0);
}

TEST_F(InputFolding, StickPositionsPastTheDeadZoneSteer) {
  host.SetController(0, Stick(0, -500));
  const PlayerInput& r = Poll();
  EXPECT_TRUE(r.up);
  EXPECT_FLOAT_EQ(r.axisY, -0.5f);
  host.SetController(0, Stick(0, -150));
  EXPECT_FALSE(Poll().up);
  EXPECT_FLOAT_EQ(input.records[0].axisY, 0);
  EXPECT_FLOAT_EQ(StickAxis(800), 1);
  EXPECT_FLOAT_EQ(StickAxis(-1000), -1);
  EXPECT_FLOAT_EQ(StickAxis(200), 0);
  EXPECT_FLOAT_EQ(StickAxis(500), 0.5f);
}

TEST_F(InputFolding, KeyboardAndFirstControllerAddUpToTwo) {
  host.SetController(0, Stick(-1000, 0));
  const PlayerInput& r = Poll({dik::LEFT});
  EXPECT_FLOAT_EQ(r.axisX, -2);
}

TEST_F(InputFolding, EachControllerFeedsItsOwnRecord) {
  platform::ControllerState second = Stick(900, 0);
  second.buttons[3] = true;
  second.buttons[4] = true;  // only buttons 0 to 3 are mapped
  host.SetController(0, Stick(0, 0));
  host.SetController(1, second);
  Poll();
  EXPECT_TRUE(input.records[1].right);
  EXPECT_TRUE(input.records[1].buttons[3]);
  EXPECT_FALSE(input.records[1].buttons[4]);
  EXPECT_FLOAT_EQ(input.records[1].axisX, 1);
  for (int i = 2; i < InputDevices::kRecords; ++i) EXPECT_FALSE(input.records[i].right) << i;
}

TEST_F(InputFolding, NoControllerLeavesTheOtherRecordsClear) {
  Poll({dik::RIGHT});
  EXPECT_TRUE(input.records[0].right);
  for (int i = 1; i < InputDevices::kRecords; ++i) {
    EXPECT_FALSE(input.records[i].right);
    EXPECT_FLOAT_EQ(input.records[i].axisX, 0);
  }
}

TEST_F(InputFolding, BackgroundClearsEveryRecord) {
  host.SetController(0, Stick(-1000, 0));
  Poll({dik::LEFT, dik::Z});
  ASSERT_TRUE(input.records[0].left);
  host.SetFocus(host.virtualClock().nowMilliseconds(), false);
  platform::Event e;
  while (window->PollEvent(e)) {}
  const PlayerInput& r = Poll();
  EXPECT_FALSE(r.left);
  EXPECT_FALSE(r.buttons[0]);
  EXPECT_FLOAT_EQ(r.axisX, 0);
}

}  // namespace
