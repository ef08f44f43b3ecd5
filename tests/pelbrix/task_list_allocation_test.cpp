// Creating and removing thousands of tasks a frame, as the bullets come and go, takes nothing
// from the heap: the list's block is made once.
#include <gtest/gtest.h>

#include "pelbrix/game/task_list.h"
#include "tests/support/allocation_counter.h"

namespace {

class Shot : public CMover {
 public:
  Shot(CTaskList* list, int frames) : CMover(list), framesLeft(frames) {}
  bool Move() override { return --framesLeft > 0; }
  int framesLeft;
};

TEST(TaskListAllocations, TasksComeAndGoWithoutTheHeap) {
  CTaskList bullets(76, 2000);  // made at start-up: the one allocation
  testing_support::AllocationCounter counter;
  for (int frame = 0; frame < 300; ++frame) {
    for (int i = 0; i < 40; ++i) CreateTask<Shot>(bullets, 50 + (frame + i) % 17);
    bullets.MoveAll();
    bullets.DrawAll();
  }
  bullets.Clear();
  EXPECT_EQ(counter.allocations(), 0u);
  EXPECT_EQ(bullets.freeCount(), 2000);
}

}  // namespace
