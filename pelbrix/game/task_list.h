#pragma once
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

class CPelbrix;
class CTaskList;

// The links every node of a task list has: the list's sentinel, the head of its free chain,
// the free slots (which use next only) and the tasks themselves.
struct TaskLinks {
  TaskLinks* prev = nullptr;
  TaskLinks* next = nullptr;
};

// The root of every task: an object that lives in a slot of its list, linked in creation order.
// Constructing one appends it at the tail of its list; destroying it unlinks it. Tasks are made
// only by CreateTask and removed only by their list.
class CTask : public TaskLinks {
 public:
  explicit CTask(CTaskList* list);
  virtual ~CTask();
  CTask(const CTask&) = delete;
  CTask& operator=(const CTask&) = delete;

  CTaskList* list;
};

// Every task of the game: it moves and draws once a frame, at a position of the play field with
// a fixed drawing depth and a hit box given as offsets from the position.
class CMover : public CTask {
 public:
  explicit CMover(CTaskList* list) : CTask(list) {}
  // True keeps the task; false asks its list to remove it at once.
  virtual bool Move() { return true; }
  virtual void Draw() {}

  float x = 0, y = 0, depth = 0;
  float boxLeft = 0, boxTop = 0, boxRight = 0, boxBottom = 0;
};

// A list of tasks that is also their allocator: one block of equal slots made at creation. Slot
// 0 is the list's sentinel (an empty list is the sentinel linked to itself), slot 1 the head
// of the circular chain of free slots, and slots 2 and on hold the tasks. Creating and removing
// a task are link operations: nothing is allocated while the game plays.
class CTaskList {
 public:
  // slotSize is the allocation granularity in bytes, rounded up so that every slot is aligned
  // for any object.
  CTaskList(int slotSize, int capacity);
  ~CTaskList();
  CTaskList(const CTaskList&) = delete;
  CTaskList& operator=(const CTaskList&) = delete;

  // A free slot, or null when the list is full. Slots are reused last-released first.
  void* Allocate();
  void Release(void* slot);

  // Moves every task from the first to the last; a task whose Move returns false is destroyed
  // at once and the pass goes on with the task that followed it. A task created in this list
  // during the pass is moved in the same pass, after those that were there before it.
  void MoveAll();
  void DrawAll();
  // Destroys every task, first to last.
  void Clear();

  // The game whose list this is: every task reaches the game through its list.
  CPelbrix* game = nullptr;

  int slotSize() const { return slotSize_; }
  int capacity() const { return capacity_; }
  int freeCount() const { return freeCount_; }
  // The tasks in list order, for tests and for the tasks that look at another list.
  CMover* first() const;
  CMover* following(const CMover* task) const;

 private:
  friend class CTask;
  void Append(CTask* task);
  void Destroy(CTask* task);

  unsigned char* block_;
  TaskLinks* sentinel_;
  TaskLinks* freeHead_;
  int slotSize_;
  int capacity_;
  int freeCount_;
};

// Makes a task of type T in a slot of the list; nothing (null) when the list is full or T does
// not fit its slots.
template <typename T, typename... Args>
T* CreateTask(CTaskList& list, Args&&... args) {
  static_assert(std::is_base_of<CMover, T>::value, "every task is a mover");
  if (sizeof(T) > size_t(list.slotSize())) return nullptr;
  void* slot = list.Allocate();
  if (!slot) return nullptr;
  return new (slot) T(&list, std::forward<Args>(args)...);
}
