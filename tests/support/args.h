#pragma once
#include <string>
#include <vector>

namespace testing_support {

// A program's argument vector: argv[0] is the program, the rest as given.
class Args {
 public:
  Args(std::initializer_list<std::string> rest) {
    strings_.push_back("Pelbrix");
    strings_.insert(strings_.end(), rest.begin(), rest.end());
    for (std::string& s : strings_) pointers_.push_back(s.c_str());
  }
  int argc() const { return int(pointers_.size()); }
  const char* const* argv() const { return pointers_.data(); }

 private:
  std::vector<std::string> strings_;
  std::vector<const char*> pointers_;
};

}  // namespace testing_support
