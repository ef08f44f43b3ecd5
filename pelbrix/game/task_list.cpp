#include "pelbrix/game/task_list.h"

namespace {

constexpr int kSlotAlignment = int(alignof(std::max_align_t));

int AlignedSlotSize(int slotSize) {
  if (slotSize < int(sizeof(TaskLinks))) slotSize = int(sizeof(TaskLinks));
  return (slotSize + kSlotAlignment - 1) / kSlotAlignment * kSlotAlignment;
}

}  // namespace

CTask::CTask(CTaskList* owner) : list(owner) { owner->Append(this); }

CTask::~CTask() {
  prev->next = next;
  next->prev = prev;
}

CTaskList::CTaskList(int slotSize, int capacity)
    : slotSize_(AlignedSlotSize(slotSize)), capacity_(capacity < 0 ? 0 : capacity), freeCount_(capacity_) {
  block_ = static_cast<unsigned char*>(
      ::operator new(size_t(slotSize_) * size_t(capacity_ + 2), std::align_val_t(kSlotAlignment)));
  auto slot = [this](int i) { return reinterpret_cast<TaskLinks*>(block_ + size_t(i) * size_t(slotSize_)); };
  sentinel_ = new (slot(0)) TaskLinks;
  sentinel_->prev = sentinel_->next = sentinel_;
  freeHead_ = new (slot(1)) TaskLinks;
  // The free chain is circular: the head links slot 2, each slot the next, the last the head.
  TaskLinks* last = freeHead_;
  for (int i = 2; i < capacity_ + 2; ++i) {
    TaskLinks* free = new (slot(i)) TaskLinks;
    last->next = free;
    last = free;
  }
  last->next = freeHead_;
}

CTaskList::~CTaskList() {
  Clear();
  ::operator delete(block_, std::align_val_t(kSlotAlignment));
}

void* CTaskList::Allocate() {
  if (freeCount_ <= 0) return nullptr;
  TaskLinks* slot = freeHead_->next;
  freeHead_->next = slot->next;
  --freeCount_;
  return slot;
}

void CTaskList::Release(void* memory) {
  auto* slot = new (memory) TaskLinks;
  slot->next = freeHead_->next;
  freeHead_->next = slot;
  ++freeCount_;
}

void CTaskList::Append(CTask* task) {
  // At the tail, just before the sentinel.
  task->prev = sentinel_->prev;
  task->next = sentinel_;
  sentinel_->prev->next = task;
  sentinel_->prev = task;
}

void CTaskList::Destroy(CTask* task) {
  task->~CTask();
  Release(task);
}

void CTaskList::MoveAll() {
  for (TaskLinks* node = sentinel_->next; node != sentinel_;) {
    auto* task = static_cast<CMover*>(static_cast<CTask*>(node));
    if (task->Move()) {
      node = task->next;
      continue;
    }
    // Go on from the node before the removed task, so that nothing is skipped or moved twice.
    TaskLinks* before = task->prev;
    Destroy(task);
    node = before->next;
  }
}

void CTaskList::DrawAll() {
  for (TaskLinks* node = sentinel_->next; node != sentinel_; node = node->next)
    static_cast<CMover*>(static_cast<CTask*>(node))->Draw();
}

void CTaskList::Clear() {
  while (sentinel_->next != sentinel_) Destroy(static_cast<CTask*>(sentinel_->next));
}

CMover* CTaskList::first() const {
  return sentinel_->next == sentinel_ ? nullptr : static_cast<CMover*>(static_cast<CTask*>(sentinel_->next));
}

CMover* CTaskList::following(const CMover* task) const {
  return task->next == sentinel_ ? nullptr : static_cast<CMover*>(static_cast<CTask*>(task->next));
}
