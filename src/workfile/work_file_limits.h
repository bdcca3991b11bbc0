#pragma once
// Caps on what a work file may claim, checked before anything is allocated.
#include <cstddef>
#include <cstdint>

#include "images/picture.h"

namespace lumena {

inline constexpr size_t kMaxTocBytes = size_t{16} << 20;
inline constexpr size_t kMaxPreviewBytes = size_t{32} << 20;
inline constexpr uint32_t kMaxWorkLayers = 4096;
// A bitmap of the largest picture with its headers.
inline constexpr size_t kMaxLayerBitmapBytes =
    size_t{kMaxPictureSide} * kMaxPictureSide * 4 + 1024;
// The cells of the largest picture, compressed, with the region records.
inline constexpr size_t kMaxMaskStreamBytes = size_t{kMaxPictureSide} * kMaxPictureSide + (size_t{1} << 20);

}  // namespace lumena
