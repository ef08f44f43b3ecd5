#pragma once
#include <string>
#include <string_view>

#include "platform/image.h"

namespace platform {

// The uncompressed layouts the writer makes, named as Direct3D names them (high byte first):
// A8R8G8B8 keeps alpha, X8R8G8B8 drops it (it reads back opaque), R8G8B8 is three bytes a pixel.
enum class DdsFormat { A8R8G8B8, X8R8G8B8, R8G8B8 };

// Pictures wider or taller than this are refused: no game picture comes near it, and a header
// must not make the reader allocate what the file does not hold.
constexpr int kMaxDdsSide = 8192;

// Decodes the top mip level of a DDS picture: uncompressed RGB of 16, 24 or 32 bits with or
// without alpha (missing alpha reads as opaque), and DXT1 (with its 1-bit alpha), DXT3 and DXT5
// decoded in software. False, with out empty, for anything else: a short or truncated file, a
// size of 0 or beyond kMaxDdsSide, cube maps, volumes, and any other format.
bool DecodeDds(std::string_view bytes, Image& out);

// The picture as a DDS file of one level in the given layout; empty when the picture is empty
// or larger than kMaxDdsSide.
std::string EncodeDds(const Image& image, DdsFormat format);

}  // namespace platform
