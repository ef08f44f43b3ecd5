// The tests' own machine: the script, the virtual clock, focus, and the answers of dialogs.
#include "platform/headless/headless_host.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/key_codes.h"

namespace platform {
namespace {

std::unique_ptr<Window> NewWindow(HeadlessHost& host) {
  WindowDesc desc;
  desc.clientWidth = 320;
  desc.clientHeight = 200;
  return host.CreateWindow(desc);
}

TEST(HeadlessHost, ScriptedEventsArriveWhenTheirTimeHasCome) {
  HeadlessHost host;
  auto window = NewWindow(host);
  host.KeyDown(10, dik::Z);
  Event e;
  EXPECT_FALSE(window->PollEvent(e));
  KeyboardState keys;
  ASSERT_TRUE(host.input().ReadKeyboard(*window, keys));
  EXPECT_EQ(keys[dik::Z], 0);

  host.virtualClock().Advance(10000);
  ASSERT_TRUE(host.input().ReadKeyboard(*window, keys));
  EXPECT_EQ(keys[dik::Z], 0x80) << "the key is down at its time, taken or not";
  EXPECT_FALSE(window->KeyHeld('Z')) << "not before the program has taken the message";
  ASSERT_TRUE(window->PollEvent(e));
  EXPECT_TRUE(window->KeyHeld('Z'));
  EXPECT_EQ(e.type, EventType::KeyDown);
  EXPECT_EQ(e.key, dik::Z);
  EXPECT_EQ(e.virtualKey, 'Z');
}

TEST(HeadlessHost, WaitingLetsTimePassUntilTheNextEvent) {
  HeadlessHost host;
  auto window = NewWindow(host);
  host.SetFocus(2500, false);
  Event e;
  window->WaitEvent(e);
  EXPECT_EQ(e.type, EventType::FocusLost);
  EXPECT_EQ(host.virtualClock().nowMicros(), 2500000u);
  EXPECT_FALSE(window->hasFocus());
  KeyboardState keys;
  EXPECT_FALSE(host.input().ReadKeyboard(*window, keys)) << "a background window reads nothing";
}

TEST(HeadlessHost, WindowsAskToCloseWhenTheScriptRunsOut) {
  HeadlessOptions options;
  options.closeAfterMicros = 5000;
  HeadlessHost host(options);
  auto window = NewWindow(host);
  Event e;
  window->WaitEvent(e);
  EXPECT_EQ(e.type, EventType::CloseRequested);
  EXPECT_GE(host.virtualClock().nowMicros(), 5000u);
}

TEST(HeadlessHost, DialogsAnswerAsToldAndAreRecorded) {
  HeadlessHost host;
  host.AnswerNextDialog(MessageResult::Cancel);
  EXPECT_EQ(host.dialogs().ShowMessage(nullptr, "a", "b", MessageButtons::OkCancel), MessageResult::Cancel);
  EXPECT_EQ(host.dialogs().ShowMessage(nullptr, "c", "d", MessageButtons::YesNo), MessageResult::Yes);
  ASSERT_EQ(host.shownDialogs().size(), 2u);
  EXPECT_EQ(host.shownDialogs()[0].textCp932, "a");
  EXPECT_EQ(host.shownDialogs()[1].buttons, MessageButtons::YesNo);
}

TEST(HeadlessHost, TickCountWrapsAndCounterCanBeMissing) {
  HeadlessOptions options;
  options.startTicks = 0xFFFFFFF0u;
  options.counterAvailable = false;
  options.clockReadCostMicros = 0;
  HeadlessHost host(options);
  uint64_t counter;
  EXPECT_FALSE(host.clock().Counter(counter));
  uint32_t before = host.clock().Ticks();
  host.clock().Sleep(32);
  EXPECT_EQ(uint32_t(host.clock().Ticks() - before), 32u);
  EXPECT_LT(host.clock().Ticks(), before);
}

TEST(HeadlessHost, DevicesCanBeRefusedAsOnAMachineWithoutGl) {
  HeadlessOptions options;
  options.refuseAcceleratedDevices = true;
  HeadlessHost host(options);
  auto window = NewWindow(host);
  DeviceRequest request{320, 200, true, true};
  EXPECT_EQ(window->CreateRenderDevice(request), nullptr);
  request.requireAccelerated = false;
  EXPECT_NE(window->CreateRenderDevice(request), nullptr);
  ASSERT_EQ(host.deviceRequests().size(), 2u);
  EXPECT_FALSE(host.deviceRequests()[0].granted);
  EXPECT_TRUE(host.deviceRequests()[1].granted);
}

TEST(HeadlessHost, PresentWaitsForTheRefreshWhenVsyncIsOn) {
  HeadlessOptions options;
  options.presentationRate = 50;  // 20 ms a refresh
  options.clockReadCostMicros = 0;
  HeadlessHost host(options);
  auto window = NewWindow(host);
  auto device = window->CreateRenderDevice({320, 200, true, true});
  host.virtualClock().Advance(3000);
  device->Present();
  EXPECT_EQ(host.virtualClock().nowMicros(), 20000u);
  device->Present();
  EXPECT_EQ(host.virtualClock().nowMicros(), 40000u);
}

TEST(HeadlessHost, TimersRunAtMostEveryTenMilliseconds) {
  HeadlessOptions options;
  options.clockReadCostMicros = 0;
  HeadlessHost host(options);
  auto window = NewWindow(host);
  window->SetTimer(1, 0);
  window->SetTimer(2, 1000);
  window->SetTimer(3, 15625);  // the flag game's tick
  std::map<int, int> events;
  Event e;
  for (uint64_t micros = 0; micros <= 100000; micros += 500) {
    host.virtualClock().AdvanceTo(micros);
    while (window->PollEvent(e)) ++events[e.timerId];
  }
  EXPECT_EQ(events[1], 10) << "a period of 0 runs every 10 ms";
  EXPECT_EQ(events[2], 10) << "a period of 1 ms runs every 10 ms";
  EXPECT_EQ(events[3], 6) << "a period above 10 ms is kept";
}

}  // namespace
}  // namespace platform
