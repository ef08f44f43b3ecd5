#pragma once
#include <cstddef>
#include <string_view>

namespace platform {

// How a profile file is cut into lines and what each line holds. The reader and the writer
// both go through it, so the line the writer replaces is the line the reader would read.

enum class ProfileLineKind { Other, Section, Key };

struct ProfileLine {
  ProfileLineKind kind = ProfileLineKind::Other;
  // Offsets into the text. The line is [begin, next); next is past its '\n' when it has one
  // (a last line may lack it).
  size_t begin = 0, next = 0;
  bool blank = true;      // nothing but blanks and the line end
  std::string_view name;  // the section's or key's name, without the blanks around it
  // The key's value as written, blanks around it dropped (quotes still on): [valueBegin,
  // valueEnd). Replacing these bytes keeps everything else of the line.
  size_t valueBegin = 0, valueEnd = 0;
};

// The line at pos; false at the end of the text. pos moves to the next line.
bool NextProfileLine(std::string_view text, size_t& pos, ProfileLine& out);

// Section and key names compare without regard to ASCII case. The second byte of a
// double-byte character is compared as it is, so two different characters never match.
bool SameProfileName(std::string_view a, std::string_view b);

}  // namespace platform
