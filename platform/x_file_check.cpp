#include "platform/x_file_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

struct Token {
  enum Kind { End, Name, Number, String, Guid, Separator, Open, Close, Other };
  Token(Kind k = End, std::string_view t = {}) : kind(k), text(t) {}
  Kind kind;
  std::string_view text;  // a name, or a number as written in a text file
  bool hasValue = false;  // a binary file's integer, in value
  uint32_t value = 0;
};

// The tokens of a .x file after its 16-byte header, the same for both encodings: lists of a
// binary file given one number at a time.
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
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++at_;
      } else if (c == ',' || c == ';') {
        ++at_;
        return Token{Token::Separator, c == ',' ? "," : ";"};
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
        return Token{c == '"' ? Token::String : Token::Guid};
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
        return Token{Token::String};
      case 3: {  // one integer
        Token t{Token::Number};
        if (!Read(4, t.value)) return Broken();
        t.hasValue = true;
        return t;
      }
      case 5:  // GUID
        return Skip(1, 16) ? Token{Token::Guid} : Broken();
      case 6:  // integer list
      case 7:  // float list
        if (!Read(4, count)) return Broken();
        listIsIntegers_ = type == 6;
        listItemBytes_ = type == 6 ? 4 : floatBytes_;
        if (uint64_t(count) * listItemBytes_ > body_.size() - at_) return Broken();
        listLeft_ = count;
        return NextBinary();
      case 10: return Token{Token::Open};
      case 11: return Token{Token::Close};
      case 19: return Token{Token::Separator, ","};
      case 20: return Token{Token::Separator, ";"};
      case 31: return Token{Token::Name, "template"};
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

// Reads the objects of a .x file as the mesh importer will, and refuses what it could not
// read soundly. Objects the importer knows are checked member by member; the others only need
// balanced braces, as the importer skips them whole.
class XChecker {
 public:
  explicit XChecker(XTokens& tokens) : tokens_(tokens) {}

  bool File() {
    for (Token t = Next(); t.kind != Token::End; t = Next()) {
      if (t.kind == Token::Name && t.text == "template") {
        // A declaration, not data: skip to its closing brace (declarations do not nest).
        while (t.kind != Token::Close)
          if ((t = Next()).kind == Token::End) return false;
      } else if (t.kind != Token::Name || !Object(t.text, 0)) {
        return false;
      }
    }
    return !tokens_.broken();
  }

 private:
  // Deeper nesting than any model has would only exhaust the stack.
  static constexpr int kMaxDepth = 256;

  Token Next() {
    if (!held_) return tokens_.Next();
    held_ = false;
    return heldToken_;
  }
  void PutBack(const Token& t) {
    held_ = true;
    heldToken_ = t;
  }
  // Inside data the separators between values are passed over: the importer needs them where
  // they are and fails on its own where they are not.
  Token NextValue() {
    Token t = Next();
    while (t.kind == Token::Separator) t = Next();
    return t;
  }

  bool Count(uint32_t& out) {
    Token t = NextValue();
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

  bool Numbers(uint64_t count) {
    for (uint64_t i = 0; i < count; ++i)
      if (NextValue().kind != Token::Number) return false;
    return true;
  }

  // A count and that many elements of numbersEach numbers: the importer reserves room for
  // the count before it reads them, so a count the file does not hold is refused here.
  bool CountedNumbers(uint64_t numbersEach) {
    uint32_t count;
    return Count(count) && Numbers(count * numbersEach);
  }

  // Mesh and MeshNormals: a count of elements (three numbers each), a count of faces, and each
  // face as a count of at least one corner and that many indices, each naming an element.
  bool Faces(uint32_t& faces) {
    uint32_t elements;
    if (!Count(elements) || !Numbers(uint64_t(elements) * 3) || !Count(faces)) return false;
    for (uint32_t f = 0; f < faces; ++f) {
      uint32_t corners;
      // A face of no corners is none (the importer's later steps abort on it).
      if (!Count(corners) || corners == 0) return false;
      for (uint32_t k = 0; k < corners; ++k) {
        uint32_t index;
        if (!Count(index) || index >= elements) return false;
      }
    }
    return true;
  }

  // A MeshMaterialList: a count of materials, a count of faces and each face's material, then
  // the materials, each an inline Material or a reference { Name }. Every face must name a
  // listed material; the importer fails outright on a list with faces and no materials.
  bool MaterialList(int depth) {
    uint32_t declared, faces;
    if (!Count(declared) || !Count(faces)) return false;
    uint64_t needed = 0;
    for (uint32_t f = 0; f < faces; ++f) {
      uint32_t material;
      if (!Count(material)) return false;
      needed = std::max<uint64_t>(needed, uint64_t(material) + 1);
    }
    uint64_t listed = 0;
    // The last index's separator is read with it, and a semicolon anywhere in the list is
    // passed over.
    return Objects(depth, 1, true, &listed) && (faces == 0 || needed <= listed);
  }

  // The key type, a count of keys, and each key as a time, a count of values and the values.
  bool AnimationKeys() {
    uint32_t type, keys;
    if (!Count(type) || !Count(keys)) return false;
    for (uint32_t k = 0; k < keys; ++k) {
      uint32_t time, values;
      if (!Count(time) || !Count(values) || !Numbers(values)) return false;
    }
    return true;
  }

  // Members that are objects and references only, up to the closing brace. The importer
  // takes any other token there, a separator too, for the kind of an unknown object and skips
  // the next braces with it, so such a token is refused. Before the first object, the
  // separators that the importer reads with the data before them are allowed: trailing of
  // either kind, and semicolons anywhere where it passes over them. materials counts inline
  // Material objects and references, where given.
  bool Objects(int depth, int trailing = 0, bool semicolonsPassed = false,
               uint64_t* materials = nullptr) {
    for (Token t = Next();; t = Next()) {
      if (t.kind == Token::Separator) {
        if (trailing > 0) {
          --trailing;
          continue;
        }
        if (semicolonsPassed && t.text == ";") continue;
        return false;
      }
      trailing = 0;
      if (t.kind == Token::Close) return true;
      if (t.kind == Token::Open) {
        if (Next().kind != Token::Name) return false;
        Token end = Next();
        if (end.kind == Token::Guid) end = Next();
        if (end.kind != Token::Close) return false;
        if (materials) ++*materials;
      } else if (t.kind == Token::Name) {
        if (!Object(t.text, depth + 1)) return false;
        if (materials && t.text == "Material") ++*materials;
      } else {
        return false;
      }
    }
  }

  // Any members with balanced braces, up to the closing brace.
  bool Skip() {
    int open = 0;
    for (Token t = Next(); t.kind != Token::End; t = Next()) {
      if (t.kind == Token::Open) ++open;
      if (t.kind == Token::Close && open-- == 0) return true;
    }
    return false;
  }

  // An object after its kind: an optional name, the opening brace, an optional GUID, the
  // members and the closing brace.
  bool Object(std::string_view kind, int depth) {
    if (depth > kMaxDepth) return false;
    Token t = Next();
    if (t.kind == Token::Name) t = Next();
    if (t.kind != Token::Open) return false;
    t = Next();
    if (t.kind != Token::Guid) PutBack(t);

    if (kind == "Frame" || kind == "AnimationSet" || kind == "Animation") return Objects(depth);
    uint32_t faces;
    // The last index's separator is read with it, and one more after a face.
    if (kind == "Mesh") return Faces(faces) && Objects(depth, faces > 0 ? 2 : 1);
    if (kind == "MeshMaterialList") return MaterialList(depth);
    // Diffuse (4), power, specular (3) and emissive (3), each colour with a separator of its
    // own after its last value's, then its texture's file name.
    if (kind == "Material") return Numbers(11) && Objects(depth, 2);
    // The objects below end their data with the closing brace, which the importer requires;
    // what follows their data needs only balanced braces here.
    if (kind == "MeshNormals") return Faces(faces) && Skip();
    if (kind == "MeshTextureCoords") return CountedNumbers(2) && Skip();
    if (kind == "MeshVertexColors") return CountedNumbers(5) && Skip();  // index, r, g, b, a
    // The frame's name, a count of vertices with an index and a weight each, the offset matrix.
    if (kind == "SkinWeights")
      return NextValue().kind == Token::String && CountedNumbers(2) && Numbers(16) && Skip();
    if (kind == "AnimationKey") return AnimationKeys() && Skip();
    return Skip();
  }

  XTokens& tokens_;
  bool held_ = false;
  Token heldToken_;
};

}  // namespace

bool XFileIsSound(std::string_view bytes) {
  // "xof 0303txt 0032": magic, version, encoding, float size.
  if (bytes.size() < 16) return false;
  std::string_view encoding = bytes.substr(8, 4);
  if (encoding != "txt " && encoding != "bin ") return true;
  bool binary = encoding == "bin ";
  std::string_view body = bytes.substr(16);
  // The importer reads a text file from the line after the header's: anything written on the
  // header's line is not read.
  if (!binary) {
    size_t lineEnd = body.find_first_of("\r\n");
    body = lineEnd == std::string_view::npos ? std::string_view() : body.substr(lineEnd + 1);
  }
  XTokens tokens(body, binary, bytes.substr(12, 4) == "0064");
  return XChecker(tokens).File();
}

}  // namespace platform
