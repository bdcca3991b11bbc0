#pragma once
// Caps on what a work file may claim, checked before anything is allocated
// or decoded. The pixel caps of a layer and of a whole work are the model's
// (work/value_ranges.h); the byte caps derive from them.
#include <cstddef>
#include <cstdint>

#include "images/picture.h"
#include "work/mask.h"
#include "work/value_ranges.h"

namespace lumena {

inline constexpr size_t kMaxTocBytes = size_t{16} << 20;
inline constexpr size_t kMaxPreviewBytes = size_t{32} << 20;
inline constexpr uint32_t kMaxWorkLayers = 4096;
// A bitmap of the largest layer with its headers.
inline constexpr size_t kMaxLayerBitmapBytes = size_t{kMaxLayerPixels} * 4 + 1024;
// The content of a mask stream for a picture of `cells` pixels: its cells,
// room for second cells (never written by this system), the tail.
inline constexpr size_t MaxMaskContentBytes(size_t cells) { return 2 * cells + kMaskStreamTailBytes; }
// The cells of the largest layer, compressed, with the region records.
inline constexpr size_t kMaxMaskStreamBytes = size_t{kMaxLayerPixels} + (size_t{1} << 20);

// The JPEG colours of a layer in a compressed work: at most this many bytes
// per pixel (noise at quality 100 without subsampling takes about 4.1) plus
// the headers and tables.
inline constexpr uint64_t kMaxJpegBytesPerPixel = 6;
inline constexpr uint64_t kJpegHeaderAllowance = uint64_t{64} << 10;
inline constexpr uint64_t MaxLayerJpegBytes(uint64_t pixels) {
  return pixels * kMaxJpegBytesPerPixel + kJpegHeaderAllowance;
}
// The container of a layer picture: two lengths, the JPEG and the opacity plane.
inline constexpr uint64_t kLayerContainerHeadBytes = 8;

// The most a compressed work may inflate to, all blocks together: the table,
// the preview, and for every pixel its JPEG colours, its opacity and its
// mask cells; for every layer the container's head, the JPEG headers and
// the mask's records.
inline constexpr uint64_t kMaxCompressedWorkInflatedBytes =
    kMaxTocBytes + kMaxPreviewBytes + uint64_t{kMaxWorkPixels} * (kMaxJpegBytesPerPixel + 1 + 2) +
    uint64_t{kMaxWorkLayers} * (kLayerContainerHeadBytes + kJpegHeaderAllowance + kMaskStreamTailBytes);
// zlib adds at most 5 bytes per 16 KiB stored block and its header and
// checksum; the lengths of the blocks come on top.
inline constexpr uint64_t kMaxCompressedWorkFileBytes =
    kMaxCompressedWorkInflatedBytes + kMaxCompressedWorkInflatedBytes / 1024 + (uint64_t{1} << 20);

}  // namespace lumena
