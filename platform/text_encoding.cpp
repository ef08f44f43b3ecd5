#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace platform {
namespace {

// One conversion through iconv. On an invalid or unconvertible input sequence, onBad decides:
// it may append a replacement and return the number of input bytes to skip, or return 0 to
// give up.
template <typename OnBad>
bool Convert(const char* to, const char* from, std::string_view input, std::string& output,
             OnBad onBad) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  output.clear();
  std::vector<char> buffer(input.size() * 4 + 16);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  bool ok = true;
  while (inLeft > 0) {
    char* out = buffer.data();
    size_t outLeft = buffer.size();
    size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer.data(), out);
    if (result != size_t(-1)) break;
    if (errno == E2BIG) continue;
    size_t skip = onBad(output, inLeft);  // EILSEQ or EINVAL (truncated sequence at the end)
    if (skip == 0) {
      ok = false;
      break;
    }
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return ok;
}

}  // namespace

std::string Utf8FromCp932(std::string_view cp932) {
  std::string out;
  bool converted = Convert("UTF-8", "CP932", cp932, out, [](std::string& o, size_t) {
    o += "\xEF\xBF\xBD";
    return size_t(1);
  });
  if (!converted) {
    // Without iconv's CP932 table only plain ASCII can be trusted.
    out.clear();
    for (unsigned char c : cp932) out += c < 0x80 ? std::string(1, char(c)) : "\xEF\xBF\xBD";
  }
  return out;
}

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  std::string out;
  if (!Convert("CP932", "UTF-8", utf8, out, [](std::string&, size_t) { return size_t(0); }))
    return std::nullopt;
  return out;
}

std::string Cp932Literal(std::string_view utf8) {
  std::string out;
  Convert("CP932", "UTF-8", utf8, out, [utf8](std::string& o, size_t left) {
    // Skip the whole UTF-8 character that could not be converted.
    size_t at = utf8.size() - left;
    size_t length = 1;
    while (at + length < utf8.size() && (static_cast<unsigned char>(utf8[at + length]) & 0xC0) == 0x80)
      ++length;
    o += '?';
    return length;
  });
  return out;
}

size_t FindSjis(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  size_t i = 0;
  while (i < text.size()) {
    if (i >= from && text.compare(i, needle.size(), needle) == 0) return i;
    i += IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return std::string_view::npos;
}

size_t FindLastSjis(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == c) found = i;
    i += IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return found;
}

}  // namespace platform
