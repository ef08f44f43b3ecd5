// DDS pictures: the header's layout, the uncompressed layouts written and read back, DXT blocks
// built by hand with known colours and indices, and the files that must be refused.
#include "platform/dds.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/dds_header.h"
#include "tests/support/offscreen.h"

namespace platform {
namespace {

using testing_support::Hex;

uint32_t WordAt(const std::string& bytes, size_t at) {
  uint32_t word = 0;
  for (int i = 0; i < 4; ++i) word |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
  return word;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(char(v));
  return bytes;
}

// A file of DXT blocks (or other payload) behind a header with that four-character code.
std::string CompressedDds(const char (&fourCC)[5], int width, int height, const std::string& payload) {
  DdsHeader h;
  h.flags = kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPixelFormat | kDdsdLinearSize;
  h.width = uint32_t(width);
  h.height = uint32_t(height);
  h.caps = kDdsCapsTexture;
  h.pixelFormat.flags = kDdpfFourCC;
  h.pixelFormat.fourCC = FourCC(fourCC);
  return WriteDdsHeader(h) + payload;
}

// An uncompressed file with the given masks and pixel words (bitCount / 8 bytes each).
std::string MaskedDds(int bitCount, uint32_t r, uint32_t g, uint32_t b, uint32_t a, int width,
                      int height, std::initializer_list<uint32_t> pixels) {
  DdsHeader h;
  h.flags = kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPixelFormat;
  h.width = uint32_t(width);
  h.height = uint32_t(height);
  h.pixelFormat.flags = kDdpfRgb | (a ? kDdpfAlphaPixels : 0);
  h.pixelFormat.rgbBitCount = uint32_t(bitCount);
  h.pixelFormat.rBitMask = r;
  h.pixelFormat.gBitMask = g;
  h.pixelFormat.bBitMask = b;
  h.pixelFormat.aBitMask = a;
  std::string bytes = WriteDdsHeader(h);
  for (uint32_t p : pixels)
    for (int i = 0; i < bitCount / 8; ++i) bytes.push_back(char(p >> (8 * i)));
  return bytes;
}

// 5:6:5 colours, little-endian, as DXT blocks hold them.
constexpr uint16_t kRed565 = 0xF800, kBlue565 = 0x001F, kBlack565 = 0x0000;
constexpr uint16_t kGreen565 = 32 << 5;  // green 32 of 63, which expands to 130
std::string Color565(uint16_t c) { return Bytes({c & 0xFF, c >> 8}); }

// Sixteen 2-bit indices, pixel 0 in the lowest bits.
std::string ColorIndices(std::initializer_list<int> sixteen) {
  uint32_t word = 0;
  int i = 0;
  for (int index : sixteen) word |= uint32_t(index) << (2 * i++);
  return Bytes({int(word & 0xFF), int(word >> 8 & 0xFF), int(word >> 16 & 0xFF), int(word >> 24)});
}

// Each pixel takes index (its column), so every row shows the palette in order.
const std::string kPaletteRows = ColorIndices({0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3});

Image Decoded(const std::string& file) {
  Image image;
  EXPECT_TRUE(DecodeDds(file, image));
  return image;
}

TEST(DdsHeader, FieldsSitAtTheFormatsOffsets) {
  std::string file = EncodeDds(Image(3, 2, 0x80112233), DdsFormat::A8R8G8B8);
  ASSERT_EQ(file.size(), 128u + 3 * 2 * 4);
  EXPECT_EQ(file.substr(0, 4), "DDS ");
  EXPECT_EQ(WordAt(file, 4), 124u) << "header size";
  EXPECT_EQ(WordAt(file, 12), 2u) << "height comes before width";
  EXPECT_EQ(WordAt(file, 16), 3u) << "width";
  EXPECT_EQ(WordAt(file, 20), 12u) << "pitch: bytes per row";
  EXPECT_EQ(WordAt(file, 76), 32u) << "pixel format size";
  EXPECT_EQ(WordAt(file, 80), kDdpfRgb | kDdpfAlphaPixels) << "pixel format flags";
  EXPECT_EQ(WordAt(file, 88), 32u) << "bits per pixel";
  EXPECT_EQ(WordAt(file, 92), 0x00FF0000u) << "red mask";
  EXPECT_EQ(WordAt(file, 104), 0xFF000000u) << "alpha mask";
  EXPECT_EQ(WordAt(file, 108), kDdsCapsTexture) << "caps";
  EXPECT_EQ(Hex(WordAt(file, 128)), Hex(0x80112233)) << "pixels stored B, G, R, A";
}

TEST(DdsFile, UncompressedLayoutsReadBackAsWritten) {
  // An odd width, so a reader that pads rows would shift the second row.
  Image picture(3, 2);
  const uint32_t colours[6] = {0xFF102030, 0x80405060, 0x00708090, 0x40A0B0C0, 0xC0D0E0F0, 0x01020304};
  for (int i = 0; i < 6; ++i) picture.pixels[size_t(i)] = colours[i];

  Image a = Decoded(EncodeDds(picture, DdsFormat::A8R8G8B8));
  EXPECT_EQ(a.width, 3);
  EXPECT_EQ(a.height, 2);
  EXPECT_EQ(a.pixels, picture.pixels) << "A8R8G8B8 keeps every channel";

  for (DdsFormat format : {DdsFormat::X8R8G8B8, DdsFormat::R8G8B8}) {
    std::string file = EncodeDds(picture, format);
    EXPECT_EQ(file.size(), 128u + 6 * (format == DdsFormat::R8G8B8 ? 3 : 4));
    Image back = Decoded(file);
    ASSERT_EQ(back.pixels.size(), 6u);
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(Hex(back.pixels[size_t(i)]), Hex(colours[i] | 0xFF000000))
          << "a picture without alpha keeps its colour and reads back opaque (pixel " << i << ")";
  }
}

TEST(DdsFile, OtherUncompressedLayoutsAreReadByTheirMasks) {
  // A8B8G8R8: red in the low byte.
  Image abgr = Decoded(MaskedDds(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 1, 1, {0x80332211}));
  EXPECT_EQ(Hex(abgr.at(0, 0)), Hex(0x80112233));
  // R5G6B5: full red, green 32 of 63, blue 0; no alpha mask reads as opaque.
  Image rgb565 = Decoded(MaskedDds(16, 0xF800, 0x07E0, 0x001F, 0, 2, 1, {0xF800, 32 << 5}));
  EXPECT_EQ(Hex(rgb565.at(0, 0)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(rgb565.at(1, 0)), Hex(0xFF008200)) << "32 of 63 scaled to 0..255 is 130";
  // A1R5G5B5 with the alpha bit clear and set.
  Image argb1555 = Decoded(MaskedDds(16, 0x7C00, 0x03E0, 0x001F, 0x8000, 2, 1, {0x001F, 0xFC00}));
  EXPECT_EQ(Hex(argb1555.at(0, 0)), Hex(0x000000FF));
  EXPECT_EQ(Hex(argb1555.at(1, 0)), Hex(0xFFFF0000));
}

TEST(DdsDxt1, FourColourBlocksInterpolateTwoThirdsAndOneThird) {
  // Two blocks side by side: red to blue, then blue to red.
  std::string blocks = Color565(kRed565) + Color565(kBlue565) + kPaletteRows +
                       Color565(0xF81F) + Color565(kRed565) + kPaletteRows;
  Image image = Decoded(CompressedDds("DXT1", 8, 4, blocks));
  ASSERT_EQ(image.width, 8);
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(Hex(image.at(0, y)), Hex(0xFFFF0000));
    EXPECT_EQ(Hex(image.at(1, y)), Hex(0xFF0000FF));
    EXPECT_EQ(Hex(image.at(2, y)), Hex(0xFFAA0055)) << "two thirds of the first colour";
    EXPECT_EQ(Hex(image.at(3, y)), Hex(0xFF5500AA)) << "one third of the first colour";
    EXPECT_EQ(Hex(image.at(4, y)), Hex(0xFFFF00FF)) << "the second block lies to the right";
    EXPECT_EQ(Hex(image.at(7, y)), Hex(0xFFFF0055));
  }
}

TEST(DdsDxt1, FirstColourNotAboveTheSecondGivesHalfwayAndTransparentBlack) {
  std::string block = Color565(kBlack565) + Color565(kGreen565) + kPaletteRows;
  Image image = Decoded(CompressedDds("DXT1", 4, 4, block));
  EXPECT_EQ(Hex(image.at(0, 0)), Hex(0xFF000000));
  EXPECT_EQ(Hex(image.at(1, 0)), Hex(0xFF008200));
  EXPECT_EQ(Hex(image.at(2, 0)), Hex(0xFF004100)) << "halfway between the two colours";
  EXPECT_EQ(Hex(image.at(3, 3)), Hex(0x00000000)) << "index 3 is transparent black";

  std::string equal = Color565(kGreen565) + Color565(kGreen565) + kPaletteRows;
  EXPECT_EQ(Hex(Decoded(CompressedDds("DXT1", 4, 4, equal)).at(3, 0)), Hex(0))
      << "equal colours are the transparent mode too";
}

TEST(DdsDxt1, PicturesNotAMultipleOfFourKeepTheirSizeAndTheirBlocksPlaces) {
  // 5 x 5 pixels take 2 x 2 blocks: red, blue on top, green, black below.
  auto solid = [](uint16_t c) { return Color565(c) + Color565(kBlack565) + ColorIndices({}); };
  std::string blocks = solid(kRed565) + solid(kBlue565) + solid(kGreen565) + solid(kBlack565);
  Image image = Decoded(CompressedDds("DXT1", 5, 5, blocks));
  ASSERT_EQ(image.width, 5);
  ASSERT_EQ(image.height, 5);
  EXPECT_EQ(Hex(image.at(3, 3)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(image.at(4, 0)), Hex(0xFF0000FF));
  EXPECT_EQ(Hex(image.at(0, 4)), Hex(0xFF008200));
  EXPECT_EQ(Hex(image.at(4, 4)), Hex(0xFF000000));
}

TEST(DdsDxt3, ExplicitAlphaOfFourBitsAndColoursAlwaysInFourColourMode) {
  // Alphas 0, 1, ..., 15 in pixel order, two per byte, the first in the low nibble.
  std::string alpha;
  for (int i = 0; i < 16; i += 2) alpha.push_back(char(i | (i + 1) << 4));
  // The first colour below the second: DXT1 would make index 3 transparent, DXT3 does not.
  std::string block = alpha + Color565(kBlue565) + Color565(kRed565) + kPaletteRows;
  Image image = Decoded(CompressedDds("DXT3", 4, 4, block));
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(image.pixels[size_t(i)] >> 24, uint32_t(i * 17)) << "pixel " << i << ": 4-bit alpha times 17";
  EXPECT_EQ(Hex(image.at(2, 0) & 0xFFFFFF), Hex(0x5500AA));
  EXPECT_EQ(Hex(image.at(3, 3)), Hex(0xFFAA0055)) << "index 3 is a colour, here with alpha 15";
}

// Sixteen 3-bit alpha indices in six bytes, pixel 0 in the lowest bits.
std::string AlphaIndices(int (&sixteen)[16]) {
  uint64_t bits = 0;
  for (int i = 0; i < 16; ++i) bits |= uint64_t(sixteen[i]) << (3 * i);
  std::string bytes;
  for (int i = 0; i < 6; ++i) bytes.push_back(char(bits >> (8 * i)));
  return bytes;
}

TEST(DdsDxt5, AlphaRampsOfEightAndOfSixLevels) {
  int indices[16];
  for (int i = 0; i < 16; ++i) indices[i] = i % 8;
  std::string colour = Color565(kRed565) + Color565(kBlue565) + kPaletteRows;
  // First block: alpha 70 above 0, so six steps of 10 between them.
  // Second block: alpha 0 not above 100, so four steps of 20, then 0 and 255.
  std::string blocks = Bytes({70, 0}) + AlphaIndices(indices) + colour +
                       Bytes({0, 100}) + AlphaIndices(indices) + colour;
  Image image = Decoded(CompressedDds("DXT5", 8, 4, blocks));
  const uint32_t eight[8] = {70, 0, 60, 50, 40, 30, 20, 10};
  const uint32_t six[8] = {0, 100, 20, 40, 60, 80, 0, 255};
  for (int i = 0; i < 16; ++i) {
    int x = i % 4, y = i / 4;
    EXPECT_EQ(image.at(x, y) >> 24, eight[i % 8]) << "eight-level block, pixel " << i;
    EXPECT_EQ(image.at(4 + x, y) >> 24, six[i % 8]) << "six-level block, pixel " << i;
  }
  EXPECT_EQ(Hex(image.at(3, 0) & 0xFFFFFF), Hex(0x5500AA)) << "colours as in DXT1's four-colour mode";
}

TEST(DdsFile, RefusesWhatItCannotReadWholly) {
  std::string good = EncodeDds(Image(2, 2, 0xFFFFFFFF), DdsFormat::A8R8G8B8);
  std::string dxt = CompressedDds("DXT1", 8, 8, std::string(4 * 8, '\0'));
  Image readable;
  ASSERT_TRUE(DecodeDds(dxt, readable)) << "the files below differ from readable ones in one thing";
  auto with = [&](size_t at, uint32_t word) {
    std::string bytes = good;
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(word >> (8 * i));
    return bytes;
  };
  const struct {
    std::string file;
    const char* why;
  } refused[] = {
      {"", "empty"},
      {good.substr(0, 127), "shorter than the header"},
      {good.substr(0, good.size() - 1), "the last pixel cut short"},
      {dxt.substr(0, dxt.size() - 1), "the last block cut short"},
      {"XDS " + good.substr(4), "not the magic"},
      {with(4, 128), "a header size that is not the format's"},
      {with(16, 0), "no width"},
      {with(12, 0), "no height"},
      {with(16, kMaxDdsSide + 1), "wider than any picture is allowed to be"},
      {with(16, 0xFFFFFFFF), "a width that overflows"},
      {with(112, kDdsCaps2Cubemap), "a cube map"},
      {with(112, kDdsCaps2Volume), "a volume"},
      {with(80, 0x20000), "luminance"},
      {with(80, kDdpfRgb | kDdpfFourCC), "both uncompressed and compressed"},
      {with(88, 8), "8 bits a pixel"},
      {with(96, 0x00FFFF00), "overlapping masks"},
      {with(92, 0x00F0F000), "a mask in two pieces"},
      {CompressedDds("DXT2", 4, 4, std::string(16, '\0')), "premultiplied DXT2"},
      {CompressedDds("DX10", 4, 4, std::string(256, '\0')), "the extended header"},
      {CompressedDds("ATI2", 4, 4, std::string(16, '\0')), "another compression"},
  };
  for (const auto& bad : refused) {
    Image image(1, 1);
    EXPECT_FALSE(DecodeDds(bad.file, image)) << "refuses " << bad.why;
    EXPECT_TRUE(image.empty()) << "leaves no picture for " << bad.why;
  }
}

TEST(DdsFile, AHugeSizeWithoutItsDataIsRefusedBeforeAnythingIsMade) {
  Image image;
  EXPECT_FALSE(DecodeDds(CompressedDds("DXT1", kMaxDdsSide, kMaxDdsSide, std::string(8, '\0')), image));
  EXPECT_FALSE(DecodeDds(MaskedDds(32, 0xFF0000, 0xFF00, 0xFF, 0, kMaxDdsSide, kMaxDdsSide, {0}), image));
}

TEST(DdsFile, WriterRefusesPicturesItCannotWrite) {
  EXPECT_EQ(EncodeDds(Image(), DdsFormat::A8R8G8B8), "");
  EXPECT_EQ(EncodeDds(Image(kMaxDdsSide + 1, 1), DdsFormat::R8G8B8), "");
}

}  // namespace
}  // namespace platform
