#include "platform/x_face_check.h"

#include <algorithm>
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
  // Whether the tokens ended inside a token (a string, a list, a name cut short).
  bool broken() const { return broken_; }

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
        if (end == std::string_view::npos) return Broken();
        at_ = end + 1;
        return Token{Token::Other};
      } else {
        size_t start = at_;
        for (; at_ < body_.size() && !IsBreak(body_[at_]); ++at_) {
          // Names and numbers are printable ASCII (text outside them may be anything only
          // inside strings and comments); the importer reads other bytes its own way, so
          // what it would make of them cannot be foreseen here.
          auto byte = uint8_t(body_[at_]);
          if (byte < 0x21 || byte > 0x7E) return Broken();
        }
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
      if (!Read(listItemBytes_, value)) return Broken();
      t.hasValue = listIsIntegers_;
      t.value = value;
      return t;
    }
    uint32_t type;
    if (at_ == body_.size()) return Token{};
    if (!Read(2, type)) return Broken();
    uint32_t count;
    switch (type) {
      case 1: {  // name: a count and the characters
        if (!Read(4, count) || count > body_.size() - at_) return Broken();
        Token t{Token::Name, body_.substr(at_, count)};
        at_ += count;
        return t;
      }
      case 2:  // string: a count, the characters and a separator token
        if (!Read(4, count) || !Skip(count, 1) || !Skip(1, 2)) return Broken();
        return Token{Token::Other};
      case 3: {  // one integer
        Token t{Token::Number};
        if (!Read(4, t.value)) return Broken();
        t.hasValue = true;
        return t;
      }
      case 5:  // GUID
        return Skip(1, 16) ? Token{Token::Other} : Broken();
      case 6:  // integer list
      case 7:  // float list
        if (!Read(4, count)) return Broken();
        listIsIntegers_ = type == 6;
        listItemBytes_ = type == 6 ? 4 : floatBytes_;
        if (uint64_t(count) * listItemBytes_ > body_.size() - at_) return Broken();
        listLeft_ = count;
        return NextBinary();
      case 10: return Token{Token::Open};
      case 31: return Token{Token::Name, "template"};
      case 11: return Token{Token::Close};
      default: return Token{Token::Other};  // punctuation and the words of template declarations
    }
  }

  Token Broken() {
    broken_ = true;
    at_ = body_.size();
    return Token{};
  }

  std::string_view body_;
  bool binary_;
  bool broken_ = false;
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
// indices, at least one.
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
    // A face of no corners is none (the importer's later steps abort on it).
    if (!ReadCount(tokens, corners) || corners == 0) return false;
    for (uint32_t k = 0; k < corners; ++k) {
      uint32_t index;
      if (!ReadCount(tokens, index) || index >= elements) return false;
    }
  }
  return true;
}

// The members of a MeshMaterialList after its opening brace, up to its closing brace: a count
// of materials, a count of faces, each face's material, then the materials themselves, each
// an inline Material object or a reference { Name }. Every face must name a listed material;
// the importer fails outright on a list with faces and no materials.
bool MaterialsInRange(XTokens& tokens) {
  uint32_t declared, faces;
  if (!ReadCount(tokens, declared) || !ReadCount(tokens, faces)) return false;
  uint64_t largest = 0;
  for (uint32_t f = 0; f < faces; ++f) {
    uint32_t material;
    if (!ReadCount(tokens, material)) return false;
    largest = std::max<uint64_t>(largest, uint64_t(material) + 1);
  }
  uint64_t listed = 0;
  int depth = 0;
  std::string_view kind;  // the first name before an opening brace at the list's own level
  for (Token t = tokens.Next(); t.kind != Token::End; t = tokens.Next()) {
    if (t.kind == Token::Close) {
      if (depth == 0) return faces == 0 || largest <= listed;
      --depth;
    } else if (t.kind == Token::Open) {
      if (depth > 0 || !kind.empty()) {
        if (depth == 0 && kind == "Material") ++listed;
        ++depth;
      } else {
        // A reference: a name, maybe a GUID, and the closing brace.
        Token name = tokens.Next();
        if (name.kind != Token::Name) return false;
        do t = tokens.Next(); while (t.kind == Token::Other);
        if (t.kind != Token::Close) return false;
        ++listed;
      }
      kind = {};
    } else if (depth == 0 && t.kind == Token::Name) {
      if (kind.empty()) kind = t.text;
    } else if (depth == 0) {
      // A stray number or string: more face indices than counted, say. The importer would
      // take it for an unknown object and skip the next braces with it, material or not.
      return false;
    }
  }
  return false;  // the file ends inside the list
}

// A count and that many elements of a fixed number of numbers each: the importer reserves
// room for the count before it reads them, so a count the file does not hold is refused here.
bool CountedNumbers(XTokens& tokens, uint64_t numbersEach) {
  uint32_t count;
  if (!ReadCount(tokens, count)) return false;
  for (uint64_t i = 0; i < count * numbersEach; ++i)
    if (tokens.Next().kind != Token::Number) return false;
  return true;
}

bool TextureCoordsHeld(XTokens& tokens) { return CountedNumbers(tokens, 2); }
bool VertexColorsHeld(XTokens& tokens) { return CountedNumbers(tokens, 5); }  // index, r, g, b, a

// The frame's name, then a count of vertices with an index and a weight for each.
bool SkinWeightsHeld(XTokens& tokens) {
  return tokens.Next().kind == Token::Other && CountedNumbers(tokens, 2);
}

// The key type, a count of keys, and each key as a time, a count of values and the values.
bool AnimationKeysHeld(XTokens& tokens) {
  uint32_t type, keys;
  if (!ReadCount(tokens, type) || !ReadCount(tokens, keys)) return false;
  for (uint32_t k = 0; k < keys; ++k) {
    uint32_t time, values;
    if (!ReadCount(tokens, time) || !ReadCount(tokens, values)) return false;
    for (uint32_t v = 0; v < values; ++v)
      if (tokens.Next().kind != Token::Number) return false;
  }
  return true;
}

using ObjectCheck = bool (*)(XTokens&);

// The check of an object's first members, by the object's kind; null for kinds that hold no
// counts the importer trusts.
ObjectCheck CheckFor(std::string_view kind) {
  if (kind == "Mesh" || kind == "MeshNormals") return FacesInRange;
  if (kind == "MeshMaterialList") return MaterialsInRange;
  if (kind == "MeshTextureCoords") return TextureCoordsHeld;
  if (kind == "MeshVertexColors") return VertexColorsHeld;
  if (kind == "SkinWeights") return SkinWeightsHeld;
  if (kind == "AnimationKey") return AnimationKeysHeld;
  return nullptr;
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
    ObjectCheck check = t.kind == Token::Name ? CheckFor(t.text) : nullptr;
    if (t.kind == Token::Name && t.text == "template") {
      // A declaration, not data: skip to its closing brace (declarations do not nest).
      while (t.kind != Token::End && t.kind != Token::Close) t = tokens.Next();
    } else if (check && previous.kind != Token::Name) {
      // An object's kind is a name that no other name precedes (that would make it a name).
      Token next = tokens.Next();
      if (next.kind == Token::Name) next = tokens.Next();  // the object's own name
      if (next.kind == Token::Open) {
        if (!check(tokens)) return false;
        t = Token{Token::Other};
      } else {
        t = next;  // a reference such as { Mesh }, not an object
      }
    }
    previous = t;
    t = tokens.Next();
  }
  return !tokens.broken();
}

}  // namespace platform
