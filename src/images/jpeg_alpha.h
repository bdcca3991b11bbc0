#pragma once
// The JPEG-with-opacity container of ".fll" files, work file layers and
// archive pictures: one zlib stream holding
//   J (32-bit little-endian), A (32-bit little-endian),
//   J bytes of a JPEG file with the colours,
//   A bytes of opacity, one per pixel, rows from the top (A = width * height).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "images/picture.h"

namespace lumena {

// Builds the container; the colours are compressed at JPEG `quality` (0 to
// 100), the opacity plane is kept exactly. Throws std::runtime_error for an
// empty picture.
std::vector<uint8_t> EncodeJpegAlpha(const Picture& picture, int quality);

// Reads a container. Nothing when any step fails: damaged or truncated zlib
// data, lengths beyond the data, a JPEG the codec refuses, or an opacity
// plane of any size but the JPEG's width * height. The stream is inflated
// only as far as its two lengths declare, and the plane only once the JPEG's
// header agrees with its length.
std::optional<Picture> DecodeJpegAlpha(std::span<const uint8_t> stream);

}  // namespace lumena
