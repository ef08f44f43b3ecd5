#pragma once
#include <string>
#include <string_view>
#include <vector>

// A text file of lines "key=value", in order. The key is the text before the first '=' (found
// with Shift-JIS awareness, so a second byte that looks like '=' is not taken), the value the
// text after it; a line without '=' has an empty key and value. Keys compare exactly; the
// first line with a key wins.
class KeyValueFile {
 public:
  // Reads the file (a game path) in text mode: CR LF becomes LF. Lines of up to 1023
  // characters are taken, empty ones too, and a last line without a line end; a longer line
  // ends the reading there. False (and no lines) when the file cannot be read (missing, a
  // folder, a read error).
  bool Load(const std::string& path);
  // Writes every line with CR LF, replacing the file as a whole (a failure leaves it as it was).
  bool Save(const std::string& path) const;
  // The lines of a file's contents, by the rules of Load.
  void Read(std::string_view contents);

  int FindKey(std::string_view key) const;  // the line's index, or -1
  std::string GetValue(std::string_view key) const;  // empty when there is no such line
  // Replaces the first line with the key, or appends "key=value" at the end.
  void SetValue(std::string_view key, std::string_view value);

  static constexpr size_t kMaxLineLength = 1023;

  std::vector<std::string> lines;
};

// Field n (from 0) of text, where each delimiter ends one field: two delimiters in a row enclose
// an empty field, and there is nothing beyond the last field. Delimiters are found with
// Shift-JIS awareness.
std::string FieldOf(std::string_view text, int n, std::string_view delimiter);
