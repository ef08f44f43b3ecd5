#include "pelbrix/game/digit_counter.h"

CDigitCounter::CDigitCounter(int length) : digits_(size_t(length < 0 ? 0 : length), '0') {}

void CDigitCounter::Set(uint64_t value) {
  for (int i = length() - 1; i >= 0; --i) {
    digits_[size_t(i)] = char('0' + value % 10);
    value /= 10;
  }
}

void CDigitCounter::Add(int64_t value) {
  for (int i = length() - 1; i >= 0; --i) {
    value += digits_[size_t(i)] - '0';
    int64_t digit = value % 10;
    value /= 10;
    if (digit < 0) {  // a negative sum borrows from the next digit up
      digit += 10;
      value -= 1;
    }
    digits_[size_t(i)] = char('0' + digit);
  }
}

char CDigitCounter::DigitAt(const CDigitCounter& counter, int i) {
  return i < counter.length() ? counter.digits_[size_t(i)] : '0';
}

int CDigitCounter::Compare(const CDigitCounter& other) const {
  for (int i = 0; i < length(); ++i) {
    char mine = digits_[size_t(i)], theirs = DigitAt(other, i);
    if (mine > theirs) return 1;
    if (mine < theirs) return -1;
  }
  return 0;
}

void CDigitCounter::CopyFrom(const CDigitCounter& other) {
  for (int i = 0; i < length(); ++i) digits_[size_t(i)] = DigitAt(other, i);
}

void CDigitCounter::Parse(std::string_view text) {
  for (size_t i = 0; i < digits_.size() && i < text.size(); ++i)
    digits_[i] = text[i] >= '0' && text[i] <= '9' ? text[i] : '0';
}
