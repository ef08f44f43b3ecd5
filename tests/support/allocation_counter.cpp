#include "tests/support/allocation_counter.h"

#include <cstdlib>
#include <new>

namespace testing_support {
namespace {

// The innermost counter open on this thread. Plain thread-local data: reading it allocates nothing.
thread_local AllocationCounter* current = nullptr;

}  // namespace

AllocationCounter::AllocationCounter() : outer_(current) { current = this; }
AllocationCounter::~AllocationCounter() { current = outer_; }

void CountAllocation(std::size_t bytes) {
  for (AllocationCounter* counter = current; counter; counter = counter->outer_) {
    ++counter->allocations_;
    counter->bytes_ += bytes;
  }
}

}  // namespace testing_support

namespace {

void* Allocate(std::size_t size, std::size_t alignment, bool nothrow) {
  testing_support::CountAllocation(size);
  if (size == 0) size = 1;
  for (;;) {
    void* block = nullptr;
    if (alignment <= alignof(std::max_align_t)) block = std::malloc(size);
    else if (posix_memalign(&block, alignment, size) != 0) block = nullptr;
    if (block) return block;
    std::new_handler handler = std::get_new_handler();
    if (!handler) {
      if (nothrow) return nullptr;
      throw std::bad_alloc();
    }
    handler();
  }
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

// Every form of the global operator new and delete, so that none of the library's (or the
// sanitizer runtime's) is linked beside these.
void* operator new(std::size_t size) { return Allocate(size, kPlain, false); }
void* operator new[](std::size_t size) { return Allocate(size, kPlain, false); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size, kPlain, true);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size, kPlain, true);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return Allocate(size, std::size_t(alignment), false);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return Allocate(size, std::size_t(alignment), false);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return Allocate(size, std::size_t(alignment), true);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return Allocate(size, std::size_t(alignment), true);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  std::free(block);
}
