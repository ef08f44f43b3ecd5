#include "platform/key_state.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"

namespace platform {
namespace {

Event Key(EventType type, uint8_t dikCode) {
  Event e;
  e.type = type;
  e.key = dikCode;
  e.virtualKey = MessageVirtualKeyOf(dikCode);
  return e;
}

TEST(KeyState, FollowsTheMessagesTakenNotTheKeyboard) {
  KeyStateTracker keys;
  keys.Apply(Key(EventType::KeyDown, dik::I));
  EXPECT_TRUE(keys.Held('I')) << "while its key-down message is handled, however fast the tap";
  keys.Apply(Key(EventType::KeyUp, dik::I));
  EXPECT_FALSE(keys.Held('I'));
}

TEST(KeyState, GenericModifierCodesCoverBothKeysOfThePair) {
  KeyStateTracker keys;
  EXPECT_EQ(MessageVirtualKeyOf(dik::RSHIFT), vk::SHIFT);
  keys.Apply(Key(EventType::KeyDown, dik::LSHIFT));
  keys.Apply(Key(EventType::KeyDown, dik::RSHIFT));
  keys.Apply(Key(EventType::KeyUp, dik::LSHIFT));
  EXPECT_TRUE(keys.Held(vk::SHIFT)) << "the right one is still down";
  EXPECT_FALSE(keys.Held(vk::LSHIFT));
  EXPECT_TRUE(keys.Held(vk::RSHIFT));
  keys.Apply(Key(EventType::KeyDown, dik::RMENU));
  EXPECT_EQ(keys.Snapshot()[vk::MENU], 0x80);
  EXPECT_EQ(keys.Snapshot()[vk::RMENU], 0x80);
  EXPECT_EQ(keys.Snapshot()[vk::LMENU], 0);
}

}  // namespace
}  // namespace platform
