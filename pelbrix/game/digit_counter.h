#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// A non-negative decimal number as a fixed-length string of ASCII digits, most significant
// first: the score and the high score, as drawn on the screen and written to the file. The
// counter keeps its value modulo 10 to the power of its length.
class CDigitCounter {
 public:
  explicit CDigitCounter(int length);  // every digit '0'

  // The value's digits from the last position backwards; what does not fit is dropped.
  void Set(uint64_t value);
  // Adds from the last digit to the first; a carry out of the first digit is lost, so the
  // counter wraps. Adding allocates nothing.
  void Add(int64_t value);
  // 1 at the first position (over this counter's length) where this digit is greater, -1
  // where it is smaller, 0 when all are equal.
  int Compare(const CDigitCounter& other) const;
  void CopyFrom(const CDigitCounter& other);
  // Reads the text left-aligned: position i takes text[i] when it is a digit and '0' when it
  // is not; positions beyond the text keep their value.
  void Parse(std::string_view text);

  int length() const { return int(digits_.size()); }
  const std::string& digits() const { return digits_; }

 private:
  // The digit at position i of another counter, or '0' beyond its length.
  static char DigitAt(const CDigitCounter& counter, int i);

  std::string digits_;
};
