#pragma once
// JPEG pictures through libjpeg(-turbo), straight to and from 32-bit pictures.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "images/picture.h"

namespace lumena {

// Compresses the colour of a picture (its opacity is ignored) at `quality`
// 0 to 100 (clamped). Throws std::runtime_error for an empty picture or when
// the codec fails.
std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality);

// The width and height a JPEG file's header declares; nothing when the data
// is not a JPEG header the codec accepts. Nothing is decoded or allocated.
struct JpegSize {
  size_t width = 0;
  size_t height = 0;
};
std::optional<JpegSize> ParseJpegSize(std::span<const uint8_t> data);

// Decodes a JPEG file into an opaque 32-bit picture with the codec's default
// colour conversion. Nothing when the data is not a JPEG the codec can
// convert, or a side is zero or beyond kMaxPictureSide, or the picture would
// have more than `maxPixels` pixels (checked before anything is allocated).
// A JPEG whose data ends early decodes as far as the codec can go.
std::optional<Picture> TryDecodeJpeg(std::span<const uint8_t> data, size_t maxPixels = SIZE_MAX);

}  // namespace lumena
