// libFuzzer target: any bytes as a key-value file's contents, and every line split into fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pelbrix/key_value_file.h"
#include "platform/text_encoding.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view contents(reinterpret_cast<const char*>(data), size);
  KeyValueFile file;
  file.Read(contents);
  std::string saved;
  for (const std::string& line : file.lines) {
    Check(line.size() <= KeyValueFile::kMaxLineLength);
    Check(line.find('\n') == std::string::npos);
    for (int n = -1; n < 6; ++n) {
      std::string field = FieldOf(line, n, " ");
      Check(field.size() <= line.size());
      Check(line.find(field) != std::string::npos);
    }
    FieldOf(line, 1, "=");
    FieldOf(line, 2, "");
    saved += line + "\r\n";
  }
  // What Save would write reads back as the same lines.
  KeyValueFile again;
  again.Read(saved);
  Check(again.lines == file.lines);
  // A value set is the value found, for any key that a line can hold: one whose '=' after it
  // is not swallowed by a lead byte at its end.
  if (!file.lines.empty()) {
    std::string key = FieldOf(file.lines[0], 0, "=");
    if (platform::FindSjis(key + "=", "=") == key.size()) {
      file.SetValue(key, "v");
      Check(file.GetValue(key) == "v");
    }
  }
  return 0;
}
