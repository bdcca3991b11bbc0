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

// Reads a 32-bit uncompressed bitmap file (rows bottom-up or top-down).
// Throws EWorkFileError when the headers are damaged, the pixel data is cut
// short or the picture is not 32-bit; nothing is allocated before the sizes
// were checked against the data.
Picture DecodeBmp32(std::span<const uint8_t> bytes);

}  // namespace lumena
