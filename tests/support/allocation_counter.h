#pragma once
#include <cstddef>

namespace testing_support {

// Counts the heap allocations (every operator new) made on this thread while it exists, to show
// that something allocates nothing. It works by replacing the global operator new and delete,
// which only one test program may do: link allocation_counter.cpp into a program of its own.
// The replacements allocate with malloc, so AddressSanitizer still checks every block.
class AllocationCounter {
 public:
  AllocationCounter();
  ~AllocationCounter();
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;

  std::size_t allocations() const { return allocations_; }
  std::size_t bytes() const { return bytes_; }

 private:
  friend void CountAllocation(std::size_t bytes);
  std::size_t allocations_ = 0;
  std::size_t bytes_ = 0;
  AllocationCounter* outer_;  // counters nest; every open one counts
};

}  // namespace testing_support
