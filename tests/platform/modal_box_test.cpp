// A message box with an owner is modal for it: what the player does to the owner while the box
// is open never reaches the program, but the key state follows the keyboard.
#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"

namespace platform {
namespace {

Event Of(EventType type) {
  Event e;
  e.type = type;
  return e;
}

class ModalBox : public ::testing::Test {
 protected:
  ModalBox() {
    HeadlessOptions options;
    options.clockReadCostMicros = 0;
    host = std::make_unique<HeadlessHost>(options);
    window = host->CreateWindow(WindowDesc{});
  }
  // Advances to the time and takes what is waiting; the events' types, in order.
  std::vector<EventType> TakeAllAt(double milliseconds) {
    host->virtualClock().AdvanceTo(uint64_t(milliseconds * 1000));
    std::vector<EventType> taken;
    Event e;
    while (window->PollEvent(e)) taken.push_back(e.type);
    return taken;
  }

  std::unique_ptr<HeadlessHost> host;
  std::unique_ptr<Window> window;
};

TEST_F(ModalBox, InputGivenToTheOwnerWhileItsBoxIsOpenNeverReachesTheProgram) {
  host->KeyDown(5, dik::Z);
  ASSERT_EQ(TakeAllAt(10), std::vector<EventType>{EventType::KeyDown});
  ASSERT_TRUE(window->KeyHeld('Z'));

  host->AnswerNextDialog(MessageResult::Ok, 1000);  // the player reads the box for a second
  host->KeyUp(100, dik::Z);
  host->At(150, Of(EventType::MouseButtonDown));
  host->At(160, Of(EventType::MouseButtonUp));
  host->KeyDown(300, dik::X);
  host->At(400, Of(EventType::CloseRequested));
  host->At(450, Of(EventType::MaximizeRequested));
  host->At(500, Of(EventType::Exposed));
  host->KeyDown(1500, dik::C);
  EXPECT_EQ(host->dialogs().ShowMessage(window.get(), "t", "c", MessageButtons::Ok,
                                        MessageKind::Warning),
            MessageResult::Ok);

  EXPECT_EQ(host->virtualClock().nowMicros(), 1010000u) << "the box was open for its second";
  EXPECT_FALSE(window->KeyHeld('Z')) << "released while the box was open: up at once after it";
  EXPECT_TRUE(window->KeyHeld('X')) << "pressed while the box was open: down after it";
  KeyboardState keyboard;
  ASSERT_TRUE(host->input().ReadKeyboard(*window, keyboard));
  EXPECT_EQ(keyboard[dik::X], 0x80);
  EXPECT_EQ(TakeAllAt(1010), std::vector<EventType>{EventType::Exposed})
      << "only what happened to the window itself passes; keys, clicks, close and maximise do not";
  EXPECT_EQ(TakeAllAt(1500), std::vector<EventType>{EventType::KeyDown})
      << "after the box the window takes input again";

  ASSERT_EQ(host->shownDialogs().size(), 1u);
  const DialogRecord& box = host->shownDialogs()[0];
  EXPECT_EQ(box.kind, MessageKind::Warning);
  EXPECT_TRUE(box.hadOwner);
  EXPECT_EQ(box.shownAtMilliseconds, 10);
  EXPECT_EQ(box.answerMilliseconds, 1000);
}

TEST_F(ModalBox, AnEventWaitingBeforeTheBoxKeepsItsPlaceAndItsKeyState) {
  host->KeyDown(5, dik::A);
  host->virtualClock().AdvanceTo(10000);
  host->AnswerNextDialog(MessageResult::Ok, 200);
  host->KeyUp(100, dik::A);
  host->dialogs().ShowMessage(window.get(), "t", "c", MessageButtons::Ok);
  Event e;
  ASSERT_TRUE(window->PollEvent(e));
  EXPECT_EQ(e.type, EventType::KeyDown);
  EXPECT_TRUE(window->KeyHeld('A')) << "while its key-down message is handled, A is down";
  EXPECT_FALSE(window->PollEvent(e));
  EXPECT_FALSE(window->KeyHeld('A')) << "then the release the box swallowed counts";
}

TEST_F(ModalBox, WithoutAnOwnerTheWindowsEventsWaitUntilTheBoxCloses) {
  host->AnswerNextDialog(MessageResult::Cancel, 300);
  host->At(100, Of(EventType::MouseButtonDown));
  EXPECT_EQ(host->dialogs().ShowMessage(nullptr, "t", "c", MessageButtons::OkCancel),
            MessageResult::Cancel);
  EXPECT_EQ(TakeAllAt(300), std::vector<EventType>{EventType::MouseButtonDown});
}

}  // namespace
}  // namespace platform
