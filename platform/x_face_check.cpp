#include "platform/x_face_check.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

struct Token {
  enum Kind { End, Name, Number, Open, Close, Other };
  Token(Kind k = End, std::string_view t = {}) : kind(k), text(t) {}
  Kind kind;
  std::string_view text;  // a name, or a number as written in a text file
  bool hasValue = false;  // a binary file's integer, in value
  uint32_t value = 0;
};

// The tokens of a .x file after its 16-byte header, the same for both encodings: separators
// dropped, lists of a binary file given one number at a time.
class XTokens {
 public:
  XTokens(std::string_view body, bool binary, bool doubles)
      : body_(body), binary_(binary), floatBytes_(doubles ? 8 : 4) {}

  Token Next() { return binary_ ? NextBinary() : NextText(); }

 private:
  Token NextText() {
    while (at_ < body_.size()) {
      char c = body_[at_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',' || c == ';') {
        ++at_;
      } else if (c == '#' || (c == '/' && at_ + 1 < body_.size() && body_[at_ + 1] == '/')) {
        size_t end = body_.find('\n', at_);
        at_ = end == std::string_view::npos ? body_.size() : end;
      } else if (c == '{' || c == '}') {
        ++at_;
        return Token{c == '{' ? Token::Open : Token::Close};
      } else if (c == '"' || c == '<') {
        size_t end = body_.find(c == '"' ? '"' : '>', at_ + 1);
        at_ = end == std::string_view::npos ? body_.size() : end + 1;
        return Token{Token::Other};
      } else {
        size_t start = at_;
        while (at_ < body_.size() && !IsBreak(body_[at_])) ++at_;
        std::string_view word = body_.substr(start, at_ - start);
        bool number = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
        return Token{number ? Token::Number : Token::Name, word};
      }
    }
    return Token{};
  }

  static bool IsBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',' || c == ';' || c == '{' ||
           c == '}' || c == '"' || c == '<' || c == '#';
  }

  bool Read(size_t bytes, uint32_t& value) {
    if (body_.size() - at_ < bytes) return false;
    value = 0;
    for (size_t i = 0; i < bytes && i < 4; ++i) value |= uint32_t(uint8_t(body_[at_ + i])) << (8 * i);
    at_ += bytes;
    return true;
  }

  // Skips count items of itemBytes each; false when the file ends first.
  bool Skip(uint64_t count, uint64_t itemBytes) {
    if (count > (body_.size() - at_) / itemBytes) return false;
    at_ += size_t(count * itemBytes);
    return true;
  }

  Token NextBinary() {
    // The rest of a list read earlier comes first, one element at a time.
    if (listLeft_ > 0) {
      --listLeft_;
      Token t{Token::Number};
      uint32_t value;
      if (!Read(listItemBytes_, value)) return Token{};
      t.hasValue = listIsIntegers_;
      t.value = value;
      return t;
    }
    uint32_t type;
    if (!Read(2, type)) return Token{};
    uint32_t count;
    switch (type) {
      case 1: {  // name: a count and the characters
        if (!Read(4, count) || count > body_.size() - at_) return Token{};
        Token t{Token::Name, body_.substr(at_, count)};
        at_ += count;
        return t;
      }
      case 2:  // string: a count, the characters and a separator token
        if (!Read(4, count) || !Skip(count, 1) || !Skip(1, 2)) return Token{};
        return Token{Token::Other};
      case 3: {  // one integer
        Token t{Token::Number};
        if (!Read(4, t.value)) return Token{};
        t.hasValue = true;
        return t;
      }
      case 5:  // GUID
        return Skip(1, 16) ? Token{Token::Other} : Token{};
      case 6:  // integer list
      case 7:  // float list
        if (!Read(4, count)) return Token{};
        listIsIntegers_ = type == 6;
        listItemBytes_ = type == 6 ? 4 : floatBytes_;
        if (uint64_t(count) * listItemBytes_ > body_.size() - at_) return Token{};
        listLeft_ = count;
        return NextBinary();
      case 10: return Token{Token::Open};
      case 31: return Token{Token::Name, "template"};
      case 11: return Token{Token::Close};
      default: return Token{Token::Other};  // punctuation and the words of template declarations
    }
  }

  std::string_view body_;
  bool binary_;
  size_t floatBytes_;
  size_t at_ = 0;
  uint32_t listLeft_ = 0;
  size_t listItemBytes_ = 4;
  bool listIsIntegers_ = false;
};

bool CountOf(const Token& t, uint32_t& out) {
  if (t.kind != Token::Number) return false;
  if (t.hasValue) {
    out = t.value;
    return true;
  }
  // Text: digits only, as a count or an index is written; anything else is no count.
  if (t.text.empty() || t.text.size() > 10) return false;
  uint64_t value = 0;
  for (char c : t.text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + uint64_t(c - '0');
  }
  if (value > UINT32_MAX) return false;
  out = uint32_t(value);
  return true;
}

bool ReadCount(XTokens& tokens, uint32_t& out) { return CountOf(tokens.Next(), out); }

// The members of a Mesh or MeshNormals after its opening brace: a count of elements, the
// elements (three numbers each), a count of faces, and each face as a count and that many
// indices.
bool FacesInRange(XTokens& tokens) {
  Token first = tokens.Next();
  if (first.kind == Token::Other) first = tokens.Next();  // the object's optional GUID
  uint32_t elements;
  if (!CountOf(first, elements)) return false;
  for (uint64_t i = 0; i < uint64_t(elements) * 3; ++i)
    if (tokens.Next().kind != Token::Number) return false;
  uint32_t faces;
  if (!ReadCount(tokens, faces)) return false;
  for (uint32_t f = 0; f < faces; ++f) {
    uint32_t corners;
    if (!ReadCount(tokens, corners)) return false;
    for (uint32_t k = 0; k < corners; ++k) {
      uint32_t index;
      if (!ReadCount(tokens, index) || index >= elements) return false;
    }
  }
  return true;
}

}  // namespace

bool XFacesNameListedElements(std::string_view bytes) {
  // "xof 0303txt 0032": magic, version, encoding, float size.
  if (bytes.size() < 16) return false;
  std::string_view encoding = bytes.substr(8, 4);
  if (encoding != "txt " && encoding != "bin ") return true;
  XTokens tokens(bytes.substr(16), encoding == "bin ", bytes.substr(12, 4) == "0064");

  Token previous{Token::Other};
  Token t = tokens.Next();
  while (t.kind != Token::End) {
    if (t.kind == Token::Name && t.text == "template") {
      // A declaration, not data: skip to its closing brace (declarations do not nest).
      while (t.kind != Token::End && t.kind != Token::Close) t = tokens.Next();
    } else if (t.kind == Token::Name && (t.text == "Mesh" || t.text == "MeshNormals") &&
               previous.kind != Token::Name) {
      // An object's kind is a name that no other name precedes (that would make it a name).
      Token next = tokens.Next();
      if (next.kind == Token::Name) next = tokens.Next();  // the object's own name
      if (next.kind == Token::Open) {
        if (!FacesInRange(tokens)) return false;
        t = Token{Token::Other};
      } else {
        t = next;  // a reference such as { Mesh }, not an object
      }
    }
    previous = t;
    t = tokens.Next();
  }
  return true;
}

}  // namespace platform
