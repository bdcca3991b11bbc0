#pragma once
// Layer pictures inside uncompressed work files: a complete 32-bit bitmap
// file (file header, info header, rows bottom-up, bytes blue, green, red,
// opacity).
#include <cstdint>
#include <span>
#include <vector>

#include "images/picture.h"

namespace lumena {

std::vector<uint8_t> EncodeBmp32(const Picture& picture);

struct Bmp32Size {
  int width = 0;
  int height = 0;
};

// The size a bitmap's headers declare, checked as DecodeBmp32 checks it, so
// that a reader can weigh a picture before decoding it. Throws
// EWorkFileError.
Bmp32Size ReadBmp32Size(std::span<const uint8_t> bytes);

// Reads a 32-bit uncompressed bitmap file (rows bottom-up or top-down).
// Throws EWorkFileError when the headers are damaged, the pixel data is cut
// short or the picture is not 32-bit; nothing is allocated before the sizes
// were checked against the data.
Picture DecodeBmp32(std::span<const uint8_t> bytes);

}  // namespace lumena
