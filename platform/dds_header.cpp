#include "platform/dds_header.h"

namespace platform {
namespace {

// Every field of the header in file order, each a 32-bit word: the one list that reading and
// writing both walk, so the two can never disagree on the layout.
template <class Header, class Field>
void ForEachField(Header& h, Field&& field) {
  field(h.size);
  field(h.flags);
  field(h.height);
  field(h.width);
  field(h.pitchOrLinearSize);
  field(h.depth);
  field(h.mipMapCount);
  for (auto& word : h.reserved1) field(word);
  field(h.pixelFormat.size);
  field(h.pixelFormat.flags);
  field(h.pixelFormat.fourCC);
  field(h.pixelFormat.rgbBitCount);
  field(h.pixelFormat.rBitMask);
  field(h.pixelFormat.gBitMask);
  field(h.pixelFormat.bBitMask);
  field(h.pixelFormat.aBitMask);
  field(h.caps);
  field(h.caps2);
  field(h.caps3);
  field(h.caps4);
  field(h.reserved2);
}

constexpr std::string_view kMagic = "DDS ";

}  // namespace

bool HasDdsMagic(std::string_view bytes) { return bytes.substr(0, 4) == kMagic; }

bool ReadDdsHeader(std::string_view bytes, DdsHeader& out) {
  out = DdsHeader();
  if (bytes.size() < kDdsHeaderBytes || !HasDdsMagic(bytes)) return false;
  size_t at = kMagic.size();
  ForEachField(out, [&](uint32_t& word) {
    word = 0;
    for (int i = 0; i < 4; ++i) word |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
    at += 4;
  });
  return out.size == 124 && out.pixelFormat.size == 32;
}

std::string WriteDdsHeader(const DdsHeader& header) {
  std::string bytes(kMagic);
  bytes.reserve(kDdsHeaderBytes);
  ForEachField(header, [&](const uint32_t& word) {
    for (int i = 0; i < 4; ++i) bytes.push_back(char(word >> (8 * i)));
  });
  return bytes;
}

}  // namespace platform
