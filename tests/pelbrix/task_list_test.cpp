// Task lists: a fixed block of slots that is allocator and list in one, moved and drawn in
// creation order, with removal and creation during a pass.
#include "pelbrix/game/task_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A task that notes its moves and draws in a log shared by the test, and does what it is told
// on each move.
class Probe : public CMover {
 public:
  Probe(CTaskList* list, char name, std::string* log) : CMover(list), name(name), log(log) {}
  ~Probe() override { *log += std::string("~") + name; }
  bool Move() override {
    *log += name;
    return onMove ? onMove(*this) : true;
  }
  void Draw() override { *log += std::string("d") + name; }

  char name;
  std::string* log;
  std::function<bool(Probe&)> onMove;
};

std::string Names(const CTaskList& list) {
  std::string names;
  for (const CMover* t = list.first(); t; t = list.following(t)) names += static_cast<const Probe*>(t)->name;
  return names;
}

constexpr int kSlot = int(sizeof(Probe));

TEST(TaskList, FullListCreatesNothingUntilASlotIsFreedThenReusesThatSlot) {
  std::string log;
  CTaskList list(kSlot, 2);
  Probe* a = CreateTask<Probe>(list, 'a', &log);
  Probe* b = CreateTask<Probe>(list, 'b', &log);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(CreateTask<Probe>(list, 'c', &log), nullptr) << "a list of capacity 2 is full";
  EXPECT_EQ(list.freeCount(), 0);
  a->onMove = [](Probe&) { return false; };
  list.MoveAll();
  EXPECT_EQ(list.freeCount(), 1);
  Probe* c = CreateTask<Probe>(list, 'c', &log);
  EXPECT_EQ(static_cast<void*>(c), static_cast<void*>(a)) << "the slot released last is reused first";
  EXPECT_EQ(Names(list), "bc");
}

TEST(TaskList, SlotsAreReusedLastReleasedFirst) {
  std::string log;
  CTaskList list(kSlot, 4);
  Probe* t[4];
  for (int i = 0; i < 4; ++i) t[i] = CreateTask<Probe>(list, char('a' + i), &log);
  t[1]->onMove = t[3]->onMove = [](Probe&) { return false; };
  list.MoveAll();  // b is released, then d
  void* first = CreateTask<Probe>(list, 'x', &log);
  void* second = CreateTask<Probe>(list, 'y', &log);
  EXPECT_EQ(first, static_cast<void*>(t[3]));
  EXPECT_EQ(second, static_cast<void*>(t[1]));
}

TEST(TaskList, ARemovedTaskIsGoneBeforeTheNextMovesAndNoTaskIsSkippedOrMovedTwice) {
  std::string log;
  CTaskList list(kSlot, 8);
  for (char name : std::string("abcde")) CreateTask<Probe>(list, name, &log);
  auto remove = [](Probe&) { return false; };
  // The first, a middle one, two in a row and the last.
  for (CMover* t = list.first(); t; t = list.following(t)) {
    auto* p = static_cast<Probe*>(t);
    if (p->name != 'c') p->onMove = remove;
  }
  static_cast<Probe*>(list.first())->onMove = remove;
  list.MoveAll();
  EXPECT_EQ(log, "a~ab~bcd~de~e") << "each moved once, each removed right after its move";
  EXPECT_EQ(Names(list), "c");
  EXPECT_EQ(list.freeCount(), 7);
}

TEST(TaskList, ATaskCreatedDuringThePassOfItsListMovesInThatPass) {
  std::string log;
  CTaskList early(kSlot, 4), late(kSlot, 4);
  Probe* maker = CreateTask<Probe>(late, 'm', &log);
  CreateTask<Probe>(late, 'n', &log);
  maker->onMove = [&](Probe& self) {
    // Into this list: moved after those that were there before it, in this pass.
    CreateTask<Probe>(late, 'x', &log);
    // Into a list moved earlier this frame: it waits for the next frame.
    CreateTask<Probe>(early, 'y', &log);
    self.onMove = nullptr;
    return true;
  };
  early.MoveAll();
  late.MoveAll();
  EXPECT_EQ(log, "mnx");
  log.clear();
  early.MoveAll();
  late.MoveAll();
  EXPECT_EQ(log, "ymnx");
}

TEST(TaskList, ClearEmptiesTheListAndFreesEverySlot) {
  std::string log;
  CTaskList list(kSlot, 3);
  list.Clear();
  EXPECT_EQ(list.freeCount(), 3) << "clearing an empty list does nothing";
  for (char name : std::string("abc")) CreateTask<Probe>(list, name, &log);
  list.Clear();
  EXPECT_EQ(log, "~a~b~c") << "destroyed first to last";
  EXPECT_EQ(list.freeCount(), 3);
  EXPECT_EQ(list.first(), nullptr);
  list.DrawAll();
  EXPECT_EQ(log, "~a~b~c");
}

TEST(TaskList, DrawAllDrawsInListOrder) {
  std::string log;
  CTaskList list(kSlot, 3);
  for (char name : std::string("abc")) CreateTask<Probe>(list, name, &log);
  list.DrawAll();
  EXPECT_EQ(log, "dadbdc");
}

TEST(TaskList, ATaskLargerThanItsSlotsIsNotMade) {
  std::string log;
  CTaskList list(16, 2);
  EXPECT_EQ(CreateTask<Probe>(list, 'a', &log), nullptr);
  EXPECT_EQ(list.freeCount(), 2) << "no slot is taken for it";
  EXPECT_EQ(list.slotSize() % int(alignof(std::max_align_t)), 0) << "slots stay aligned";
}

}  // namespace
